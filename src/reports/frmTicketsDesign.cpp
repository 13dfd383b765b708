// The design of the receipts of a day: every control with its caption and
// place, a fingertip and more at 1024 x 768.
#include <algorithm>

#include "platform/Design.h"
#include "reports/frmTickets.h"

namespace vantor {

namespace {

constexpr int kTicketsMargin = 120;
constexpr int kTicketsRowHeight = 600;
constexpr int kTicketsListsTop = kTicketsMargin + kTicketsRowHeight + 160;
constexpr int kTicketsListWidth = 7000;
constexpr int kTicketsLinesLeft = kTicketsMargin + kTicketsListWidth + 160;
constexpr int kTicketsLinesWidth = 6400;
constexpr int kTicketsListsHeight = 6600;
constexpr int kTicketsButtonsTop = kTicketsListsTop + kTicketsListsHeight + 200;
constexpr int kTicketsButtonHeight = 800;
constexpr int kTicketsButtonWidth = 3200;
constexpr int kTicketsClientWidth = kTicketsLinesLeft + kTicketsLinesWidth + kTicketsMargin;
constexpr int kTicketsClientHeight = kTicketsButtonsTop + kTicketsButtonHeight + kTicketsMargin;

Control& AddTicketsButton(Form& form, const std::string& name, const std::string& caption,
                          const Bounds& bounds) {
    Control& button = AddButton(form, name, caption, bounds);
    button.fontSize = 12;
    return button;
}

Control& AddTicketsList(Form& form, const std::string& name, const Bounds& bounds) {
    Control& list = AddAt(form, ControlKind::ListBox, name, bounds);
    list.backColor = kFieldColor;
    list.fontName = "Courier New";  // the columns of the rows line up
    list.fontSize = 11;
    return list;
}

}  // namespace

frmTickets::frmTickets(Platform& platform, TillData& data, frmMain& main)
    : Form("frmTickets"), platform_(platform), data_(data), main_(main) {
    caption = "Tickets";
    // A screen of its own: nothing of the sales screen shows or reacts under it.
    windowState = WindowState::Maximized;
    width = kTicketsClientWidth + kFrameWidthTwips;
    height = kTicketsClientHeight + kFrameHeightTwips;
    CreateDayChooser();
    CreateLists();
    CreateButtons();
}

void frmTickets::CreateDayChooser() {
    Control& label = AddAt(*this, ControlKind::Label, "lblJour", {kTicketsMargin, 240, 900, 400});
    label.caption = "Jour :";
    label.fontSize = 12;
    AddTicketsButton(*this, "cmdJourPrecedent", "◀", {1080, kTicketsMargin, 900, kTicketsRowHeight})
        .onClick = [this] { cmdJourPrecedent_Click(); };
    Control& day = AddAt(*this, ControlKind::DatePicker, "dtpJour", {2100, 180, 2200, 480});
    day.backColor = kFieldColor;
    day.fontSize = 12;
    day.onChange = [this] { dtpJour_Change(); };
    AddTicketsButton(*this, "cmdJourSuivant", "▶", {4420, kTicketsMargin, 900, kTicketsRowHeight})
        .onClick = [this] { cmdJourSuivant_Click(); };
}

void frmTickets::CreateLists() {
    AddTicketsList(*this, "lstTickets",
                   {kTicketsMargin, kTicketsListsTop, kTicketsListWidth, kTicketsListsHeight})
        .onClick = [this] { lstTickets_Click(); };
    Control& label = AddAt(
        *this, ControlKind::Label, "lblLignes",
        {kTicketsLinesLeft, kTicketsMargin + 160, kTicketsLinesWidth, kTicketsRowHeight - 160});
    label.caption = "Touchez une ligne : une de plus à rembourser";
    label.fontSize = 10;
    AddTicketsList(*this, "lstLignes",
                   {kTicketsLinesLeft, kTicketsListsTop, kTicketsLinesWidth, kTicketsListsHeight})
        .onClick = [this] { lstLignes_Click(); };
}

void frmTickets::CreateButtons() {
    const int step = kTicketsButtonWidth + 160;
    AddTicketsButton(
        *this, "cmdDuplicata", "Duplicata",
        {kTicketsMargin, kTicketsButtonsTop, kTicketsButtonWidth, kTicketsButtonHeight})
        .onClick = [this] { cmdDuplicata_Click(); };
    AddTicketsButton(
        *this, "cmdAnnulerTicket", "Annuler le ticket",
        {kTicketsMargin + step, kTicketsButtonsTop, kTicketsButtonWidth, kTicketsButtonHeight})
        .onClick = [this] { cmdAnnulerTicket_Click(); };
    AddTicketsButton(
        *this, "cmdRembourser", "Rembourser",
        {kTicketsMargin + 2 * step, kTicketsButtonsTop, kTicketsButtonWidth, kTicketsButtonHeight})
        .onClick = [this] { cmdRembourser_Click(); };
    AddTicketsButton(*this, "cmdFermer", "Fermer",
                     {kTicketsClientWidth - kTicketsMargin - 2400, kTicketsButtonsTop, 2400,
                      kTicketsButtonHeight})
        .onClick = [this] { cmdFermer_Click(); };
}

// The room beyond the design's goes to the lists, the receipts' list taking
// half of the width added; the buttons follow the bottom edge.
void frmTickets::Form_Resize() {
    const int across = std::max(width - kFrameWidthTwips, kTicketsClientWidth);
    const int down = std::max(height - kFrameHeightTwips, kTicketsClientHeight);
    const int wider = across - kTicketsClientWidth;
    const int taller = down - kTicketsClientHeight;
    Control& tickets = Get("lstTickets");
    tickets.width = kTicketsListWidth + wider / 2;
    tickets.height = kTicketsListsHeight + taller;
    Control& lines = Get("lstLignes");
    lines.left =
        tickets.left + tickets.width + (kTicketsLinesLeft - kTicketsMargin - kTicketsListWidth);
    lines.width = across - kTicketsMargin - lines.left;
    lines.height = tickets.height;
    Get("lblLignes").left = lines.left;
    for (const char* name : {"cmdDuplicata", "cmdAnnulerTicket", "cmdRembourser", "cmdFermer"}) {
        Get(name).top = kTicketsButtonsTop + taller;
    }
    Control& fermer = Get("cmdFermer");
    fermer.left = across - kTicketsMargin - fermer.width;
}

}  // namespace vantor
