#include "app/QtTill.h"

#include "gui/ChartPicture.h"
#include "gui/ReportPdfFile.h"
#include "sales/frmMain.h"

namespace vantor {

QtTill::QtTill(const StartOptions& options)
    : drawers{WriteReportPdfFile, WriteChartFile}, till(StartTill(platform, instance, options)) {
    if (till.status == StartStatus::Running) {
        till.main->SetDrawers(&drawers);
        // The PDF printer writes its files into the data folder.
        printers.SetDataFolder(till.data->DataPath);
    }
}

}  // namespace vantor
