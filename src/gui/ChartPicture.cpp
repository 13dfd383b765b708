#include "gui/ChartPicture.h"

#include "reports/ChartLayout.h"
#include "reports/Graphiques.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <stdexcept>
#include <vector>

#include "data/Dates.h"
#include "data/TextFile.h"
#include "gui/Convert.h"
#include "gui/ReportPdfFile.h"
#include "reports/ReportPdf.h"

#ifdef VANTOR_WITH_SVG
#include <QSvgGenerator>
#endif

namespace vantor {

namespace {

// The till's colours: its blue for cash, its green for card, grey for the
// compared period.
const QColor kCashColour(0, 90, 200);
const QColor kCardColour(60, 170, 60);
const QColor kEarlierCash(150, 150, 150);
const QColor kEarlierCard(200, 200, 200);
const QColor kFrameColour(240, 240, 240);

struct ChartBar {
    QString label;
    double especes = 0;
    double cartes = 0;
    std::optional<std::pair<double, double>> earlier;
};

QString AmountText(const ExactSum& x, const std::string& monnaie) {
    return ToQString(MontantGraphique(x, monnaie));
}

double BarHeight(const ChartBar& bar) {
    const double now = std::max(bar.especes, 0.0) + std::max(bar.cartes, 0.0);
    const double before =
        bar.earlier ? std::max(bar.earlier->first, 0.0) + std::max(bar.earlier->second, 0.0) : 0;
    return std::max(now, before);
}

// A bar of cash under card from the baseline; amounts below 0 draw nothing.
void StackBar(QPainter& painter, double x, double width, double base, double perUnit, double cash,
              double card, const QColor& cashColour, const QColor& cardColour) {
    const double cashHeight = std::max(cash, 0.0) * perUnit;
    const double cardHeight = std::max(card, 0.0) * perUnit;
    painter.fillRect(QRectF(x, base - cashHeight, width, cashHeight), cashColour);
    painter.fillRect(QRectF(x, base - cashHeight - cardHeight, width, cardHeight), cardColour);
}

QRectF ToQRect(const ChartRect& r) {
    return QRectF(r.x, r.y, r.width, r.height);
}

std::vector<ChartBar> BarsOf(const ChartPanel& panel) {
    std::vector<ChartBar> bars;
    for (const ChartBarFigures& figures : panel.bars) {
        ChartBar bar{ToQString(figures.libelle), figures.montants.especes.ToDouble(),
                     figures.montants.cartes.ToDouble(), std::nullopt};
        if (figures.avant) {
            bar.earlier = {figures.avant->especes.ToDouble(), figures.avant->cartes.ToDouble()};
        }
        bars.push_back(bar);
    }
    return bars;
}

constexpr double kLabelRowHeight = 14;

// Where a chart's labels go: one row, each label the room of its bars; or,
// when a label is wider than that, two rows, every other label lower, each
// then the room of twice as many bars.
struct LabelRows {
    bool two = false;
    double room = 0;
};
LabelRows LabelRowsOf(const QPainter& painter, const ChartPanel& panel,
                      const std::vector<ChartBar>& bars, std::size_t every) {
    const double room = panel.Slot(0).width * static_cast<double>(every);
    for (std::size_t i = 0; i < bars.size(); i += every) {
        if (painter.fontMetrics().horizontalAdvance(bars[i].label) > room - 2) {
            return {true, 2 * room - 4};
        }
    }
    return {false, room};
}

// One chart: its title, the largest amount, the bars and every few labels.
void DrawPanel(QPainter& painter, const ChartPanel& panel, const std::string& monnaie) {
    const QRectF area = ToQRect(panel.area);
    const std::vector<ChartBar> bars = BarsOf(panel);
    painter.fillRect(area, kFrameColour);
    painter.setPen(Qt::black);
    QFont font = painter.font();
    font.setPixelSize(14);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(area.adjusted(8, 4, -8, 0), Qt::AlignLeft | Qt::AlignTop,
                     ToQString(panel.titre));
    double top = 1;
    for (const ChartBar& bar : bars) {
        top = std::max(top, BarHeight(bar));
    }
    font.setBold(false);
    font.setPixelSize(11);
    painter.setFont(font);
    const ExactSum largest = ExactSum::Parse(std::to_string(top)).value_or(ExactSum());
    painter.drawText(area.adjusted(8, 4, -8, 0), Qt::AlignRight | Qt::AlignTop,
                     "max " + AmountText(largest, monnaie));
    const QRectF plot = ToQRect(panel.plot);
    const double perUnit = plot.height() / top;
    const std::size_t every = std::max<std::size_t>(1, bars.size() / 12);
    const LabelRows rows = LabelRowsOf(painter, panel, bars, every);
    for (std::size_t i = 0; i < bars.size(); ++i) {
        const ChartBar& bar = bars[i];
        const QRectF slot = ToQRect(panel.Slot(i));
        const double width = bar.earlier ? slot.width() * 0.4 : slot.width() * 0.7;
        const double x = slot.left() + slot.width() * 0.1;
        StackBar(painter, x, width, plot.bottom(), perUnit, bar.especes, bar.cartes, kCashColour,
                 kCardColour);
        if (bar.earlier) {
            StackBar(painter, x + width, width, plot.bottom(), perUnit, bar.earlier->first,
                     bar.earlier->second, kEarlierCash, kEarlierCard);
        }
        if (i % every == 0) {
            // Cut to their room only when even two rows leave too little.
            const double room = std::min(rows.room, area.right() - slot.left());
            const QString label =
                painter.fontMetrics().elidedText(bar.label, Qt::ElideRight, static_cast<int>(room));
            const double row = rows.two && (i / every) % 2 == 1 ? kLabelRowHeight : 0;
            painter.drawText(QRectF(slot.left(), plot.bottom() + 2 + row, room, kLabelRowHeight),
                             Qt::AlignLeft | Qt::AlignTop, label);
        }
    }
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
}

QString PeriodText(const ChartPeriod& p) {
    return ToQString(PeriodeDuAu(FormatDate(p.debut), FormatDate(p.fin)));
}

void ChartLegend(QPainter& painter, const Graphiques& g, const std::string& monnaie) {
    QFont font = painter.font();
    font.setPixelSize(16);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const ChartPeriod& p = g.periode;
    QString head = "Chiffre d'affaires " + PeriodText(p) + " : " +
                   AmountText(p.total.especes + p.total.cartes, monnaie);
    painter.drawText(QRectF(12, 6, 1000, 22), Qt::AlignLeft | Qt::AlignVCenter, head);
    font.setPixelSize(12);
    font.setBold(false);
    painter.setFont(font);
    double x = 12;
    const auto key = [&](const QColor& colour, const QString& text) {
        painter.fillRect(QRectF(x, 34, 14, 14), colour);
        painter.drawText(QRectF(x + 18, 32, 400, 18), Qt::AlignLeft | Qt::AlignVCenter, text);
        x += 24 + painter.fontMetrics().horizontalAdvance(text);
    };
    key(kCashColour, "Espèces " + AmountText(p.total.especes, monnaie));
    key(kCardColour, "Cartes " + AmountText(p.total.cartes, monnaie));
    if (g.comparaison) {
        const Takings& t = g.comparaison->total;
        key(kEarlierCash, "Comparaison " + PeriodText(*g.comparaison) + " : " +
                              AmountText(t.especes + t.cartes, monnaie));
    }
}

}  // namespace

void PaintCharts(QPainter& painter, const Graphiques& g, const std::string& monnaie) {
    painter.fillRect(QRectF(0, 0, kChartCanvasWidth, kChartCanvasHeight), Qt::white);
    ChartLegend(painter, g, monnaie);
    for (const ChartPanel& panel : ChartPanels(g)) {
        DrawPanel(painter, panel, monnaie);
    }
}

namespace {

QByteArray PngBytes(const Graphiques& g, const std::string& monnaie) {
    QImage image(kChartCanvasWidth, kChartCanvasHeight, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        PaintCharts(painter, g, monnaie);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// The canvas on an A4 page turned sideways, kept in proportion.
QByteArray PdfChartBytes(const Graphiques& g, const std::string& monnaie) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(300);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                     QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    writer.setCreator("Vantor");
    QPainter painter(&writer);
    const QRect page = painter.viewport();
    const double scale = std::min(page.width() / double(kChartCanvasWidth),
                                  page.height() / double(kChartCanvasHeight));
    painter.scale(scale, scale);
    PaintCharts(painter, g, monnaie);
    painter.end();
    return bytes;
}

#ifdef VANTOR_WITH_SVG
QByteArray SvgBytes(const Graphiques& g, const std::string& monnaie) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(kChartCanvasWidth, kChartCanvasHeight));
    svg.setViewBox(QRect(0, 0, kChartCanvasWidth, kChartCanvasHeight));
    svg.setTitle("Vantor");
    QPainter painter(&svg);
    PaintCharts(painter, g, monnaie);
    painter.end();
    return bytes;
}
#endif

}  // namespace

void WriteChartFile(const std::string& path, const Graphiques& g, const std::string& monnaie) {
    EnsureOffscreenApplication();
    const QString suffix = QFileInfo(ToQString(path)).suffix().toLower();
    QByteArray bytes;
    if (suffix == "png") {
        bytes = PngBytes(g, monnaie);
    } else if (suffix == "pdf") {
        bytes = PdfChartBytes(g, monnaie);
#ifdef VANTOR_WITH_SVG
    } else if (suffix == "svg") {
        bytes = SvgBytes(g, monnaie);
#endif
    } else {
        throw std::runtime_error("Format de fichier non pris en charge (png, svg ou pdf) : " +
                                 path);
    }
    WriteFileAtomic(path,
                    std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace vantor
