// Layout of the sales screen when the window changes size: the keypad takes
// the width left between the multiplier pad and the ticket column.
#include "sales/frmMain.h"

namespace vantor {

void frmMain::Form_Resize() {
    if (windowState == WindowState::Normal) {
        // From the unscrolled place of the last column, whatever the scroll position.
        width = Get("Command1", UBound("Command1")).left + positionDefil_ + 6500;
        height = kDesignHeight;
    }
    if (windowState == WindowState::Minimized) {
        return;
    }
    const int x = width - Get("lstTicket").width - 600;
    LayoutRightColumn(x);

    Control& articles = Get("fraArticles");
    const int keypadWidth = x - 1600;
    if (keypadWidth <= 0) {
        return;  // a window too small keeps its previous keypad layout
    }
    articles.Move(1560, 40);
    articles.width = keypadWidth;
    articles.height = Get("fraBas").top + 980;
    Control& scroll = Get("Scroll");
    scroll.Move(0, articles.height - scroll.height);
    scroll.width = articles.width;
    Scroll_Change();

    const Control& ticket = Get("fraTicket");
    Get("fraTotaux").Move(ticket.left, ticket.top);
}

void frmMain::LayoutRightColumn(int x) {
    for (const char* name : {"fraBas", "fraTot", "fraService", "lstTicket", "cmdCloture"}) {
        Get(name).left = x;
    }
    Get("fraVantor").left = x + 60;
    Control& z = Get("cmdZCloture");
    z.left = x + Get("cmdCloture").width + 50;
}

}  // namespace vantor
