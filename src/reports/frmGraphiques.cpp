#include "reports/frmGraphiques.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <utility>

#include "data/TextFile.h"
#include "platform/Design.h"
#include "platform/FileSystem.h"
#include "platform/Printer.h"
#include "reports/ChartLayout.h"
#include "reports/ReportDrawers.h"

namespace vantor {

namespace {

constexpr const char* kToucherUneBarre = "Touchez une barre pour voir ses chiffres.";
constexpr const char* kComparaisons[] = {"Sans comparaison", "Une semaine avant", "Un mois avant",
                                         "Un an avant"};
constexpr Comparaison kComparaisonsDansLOrdre[] = {Comparaison::Aucune, Comparaison::Semaine,
                                                   Comparaison::Mois, Comparaison::Annee};

// A full 1024 × 768 screen, every control a finger's size; the picture keeps
// the charts' proportions (Form_Resize).
constexpr int kGraphiquesMargin = 120;
constexpr int kGraphiquesRowTop = 120;
constexpr int kGraphiquesRowHeight = 540;
constexpr int kGraphiquesTop = kGraphiquesRowTop + kGraphiquesRowHeight + 120;
constexpr int kGraphiquesFormWidth = 15360;
constexpr int kGraphiquesFormHeight = 11520;
// Two lines of the figures of a bar, under the picture.
constexpr int kChiffresGap = 60;
constexpr int kChiffresHeight = 600;
// The row of choices is this wide: the picture is never narrower.
constexpr int kGraphiquesRowWidth = 13700;
// The charts on an A4 page, in twips from its printable corner.
constexpr int kGraphiquesPrintedWidth = 10800;
constexpr int kGraphiquesPrintedHeight =
    kGraphiquesPrintedWidth * kChartCanvasHeight / kChartCanvasWidth;

Bounds InRow(int left, int width) {
    return {left, kGraphiquesRowTop, width, kGraphiquesRowHeight};
}

void AddRowLabel(Form& form, const std::string& name, const std::string& caption, int left) {
    Control& label =
        AddAt(form, ControlKind::Label, name, {left, kGraphiquesRowTop + 120, 420, 360});
    label.caption = caption;
    label.fontSize = 10;
}

}  // namespace

frmGraphiques::frmGraphiques(Platform& platform, TillData& data, ReportSettings settings,
                             const ReportDrawers* drawers, const Date& debut, const Date& fin)
    : Form("frmGraphiques"),
      platform_(platform),
      data_(data),
      settings_(std::move(settings)),
      drawers_(drawers) {
    caption = "Graphiques";
    width = kGraphiquesFormWidth;
    height = kGraphiquesFormHeight;
    windowState = WindowState::Maximized;
    AddRowLabel(*this, "lblDu", "Du", 120);
    AddAt(*this, ControlKind::DatePicker, "DTPicker1", InRow(540, 1900)).date = debut;
    AddRowLabel(*this, "lblAu", "au", 2560);
    AddAt(*this, ControlKind::DatePicker, "DTPicker2", InRow(2980, 1900)).date = fin;
    Control& comparer = AddAt(*this, ControlKind::ComboBox, "cmbComparer", InRow(5100, 2900));
    comparer.items.assign(std::begin(kComparaisons), std::end(kComparaisons));
    comparer.listIndex = 0;
    comparer.text = comparer.items[0];
    comparer.onClick = [this] { cmbComparer_Click(); };
    AddButton(*this, "cmdAfficher", "Afficher", InRow(8200, 1700)).onClick = [this] {
        cmdAfficher_Click();
    };
    AddButton(*this, "cmdImprimer", "Imprimer", InRow(10100, 1700)).onClick = [this] {
        cmdImprimer_Click();
    };
    AddButton(*this, "cmdFermer", "Fermer", InRow(12000, 1700)).onClick = [this] {
        cmdFermer_Click();
    };
    Control& picture = AddAt(*this, ControlKind::Picture, "picGraphiques", {0, 0, 0, 0});
    picture.backColor = Rgb(255, 255, 255);
    picture.onMouseUp = [this](int button, int x, int y) { picGraphiques_MouseUp(button, x, y); };
    Control& chiffres = AddAt(*this, ControlKind::Label, "lblChiffres", {0, 0, 0, 0});
    chiffres.fontSize = 11;
    chiffres.fontBold = true;
    Form_Resize();
}

// The picture as wide as the window, in the charts' proportions, unless
// that leaves no room under it for the figures: then as high as it may be,
// centred across.
void frmGraphiques::Form_Resize() {
    const int across = std::max(width - kFrameWidthTwips, kGraphiquesRowWidth);
    const int down = height - kFrameHeightTwips;
    const int high = down - kGraphiquesTop - kChiffresGap - kChiffresHeight - kGraphiquesMargin;
    int wide = across - 2 * kGraphiquesMargin;
    if (wide * kChartCanvasHeight / kChartCanvasWidth > high) {
        wide = std::max(high, 1) * kChartCanvasWidth / kChartCanvasHeight;
    }
    Control& picture = Get("picGraphiques");
    picture.Move((across - wide) / 2, kGraphiquesTop);
    picture.width = wide;
    picture.height = wide * kChartCanvasHeight / kChartCanvasWidth;
    Control& chiffres = Get("lblChiffres");
    chiffres.Move(kGraphiquesMargin, picture.top + picture.height + kChiffresGap);
    chiffres.width = across - 2 * kGraphiquesMargin;
    chiffres.height = kChiffresHeight;
}

frmGraphiques::~frmGraphiques() {
    if (!image_.empty()) {
        Files().Remove(image_);
    }
}

void frmGraphiques::Form_Load() {
    Afficher();
}

void frmGraphiques::Form_Unload() {
    OublierImage();
}

void frmGraphiques::cmdAfficher_Click() {
    Afficher();
}

void frmGraphiques::cmbComparer_Click() {
    Afficher();
}

void frmGraphiques::Afficher() {
    const Date debut = Get("DTPicker1").date;
    const Date fin = Get("DTPicker2").date;
    Control& chiffres = Get("lblChiffres");
    if (fin < debut) {
        platform_.ui.MsgBox(kFinAvantDebut, vbCritical);
        return;
    }
    const int choix = std::max(Get("cmbComparer").listIndex, 0);
    try {
        graphiques_ = CalculerGraphiques(settings_, debut, fin, kComparaisonsDansLOrdre[choix]);
    } catch (const FileError& error) {
        graphiques_.reset();
        platform_.ui.MsgBox(error.what(), vbCritical);
        return;
    }
    if (graphiques_->noJournal) {
        graphiques_.reset();
        OublierImage();
        chiffres.caption.clear();
        platform_.ui.MsgBox(kAucunTicket, vbCritical);
        return;
    }
    chiffres.caption = kToucherUneBarre;
    Dessiner();
    if (graphiques_->periode.unreadable > 0) {
        platform_.ui.MsgBox(AvisIllisibles(graphiques_->periode.unreadable), vbInformation);
    }
}

// The charts drawn into a new scratch file of the data folder, which the
// picture shows; the one before is removed.
void frmGraphiques::Dessiner() {
    if (drawers_ == nullptr || !drawers_->graphiques) {
        return;
    }
    OublierImage();
    const std::string path = data_.File("graphiques-" + std::to_string(++images_) + ".png");
    try {
        drawers_->graphiques(path, *graphiques_, settings_.monnaie);
    } catch (const std::runtime_error& error) {
        platform_.ui.MsgBox(error.what(), vbCritical);
        return;
    }
    image_ = path;
    Get("picGraphiques").picture = platform_.pictures.Load(path);
}

void frmGraphiques::OublierImage() {
    Get("picGraphiques").picture = Picture{};
    if (!image_.empty()) {
        Files().Remove(image_);
        image_.clear();
    }
}

void frmGraphiques::picGraphiques_MouseUp(int /*button*/, int x, int y) {
    if (!graphiques_) {
        return;
    }
    const Control& picture = Get("picGraphiques");
    const double cx = static_cast<double>(x) * kChartCanvasWidth / std::max(picture.width, 1);
    const double cy = static_cast<double>(y) * kChartCanvasHeight / std::max(picture.height, 1);
    const std::optional<ChartTap> tap = BarAt(*graphiques_, cx, cy);
    Get("lblChiffres").caption = tap ? ChiffresDeBarre(*tap, settings_.monnaie) : kToucherUneBarre;
}

void frmGraphiques::cmdImprimer_Click() {
    const Picture& picture = Get("picGraphiques").picture;
    if (!picture.Loaded()) {
        platform_.ui.MsgBox(drawers_ == nullptr ? kSansDessins : kAucunTicket, vbCritical);
        return;
    }
    try {
        Printer printer(platform_.printers);
        printer.PaintPicture(picture, 0, 0, kGraphiquesPrintedWidth, kGraphiquesPrintedHeight);
        printer.EndDoc();
    } catch (const PrintError& error) {
        platform_.ui.MsgBox(error.what(), vbCritical);
    }
}

void frmGraphiques::cmdFermer_Click() {
    OublierImage();
    Close();
}

}  // namespace vantor
