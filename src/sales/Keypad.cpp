// The article keypad: built from Articles.csv in columns of 13 buttons,
// scrolled sideways column by column. A rebuild keeps the scroll position, so
// the buttons and the scroll bar always agree.
#include <algorithm>
#include <cassert>

#include "data/CatalogueFiles.h"
#include "data/Text.h"
#include "data/TextFile.h"
#include "sales/frmMain.h"

namespace vantor {

namespace {

constexpr int kArticleButtonWidth = 1300;
constexpr int kArticleButtonHeight = 680;
constexpr int kFirstLeft = 40;
constexpr int kFirstTop = 120;
constexpr int kLastRowTop = 8201;  // below this a column takes one more button

}  // namespace

void frmMain::ClearKeypad() {
    for (int i = UBound("Command1"); i >= 1; --i) {
        Remove("Command1", i);
    }
}

void frmMain::LireArticles() {
    ClearKeypad();
    const std::vector<std::string> lines = ReadArticlesFile(data_.DataPath);
    if (!lines.empty()) {
        ArticleLine header = SplitArticleLine(lines.front());
        Control& entry0 = Get("Command1", 0);
        entry0.caption = header.name;
        entry0.tag = header.price;
    }
    int left = kFirstLeft;
    int top = kFirstTop;
    int lastLeft = kFirstLeft;
    int index = 0;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (Trim(lines[i]).empty()) {
            continue;
        }
        AddArticleButton(++index, lines[i], left, top);
        lastLeft = left;
        if (top < kLastRowTop) {
            top += kArticleButtonHeight;
        } else {
            left += kArticleButtonWidth;
            top = kFirstTop;
        }
    }
    SetKeypadScrollMaximum(index == 0 ? kFirstLeft : lastLeft);
    // The buttons were placed where the current scroll position shows them;
    // a keypad grown shorter has lowered that position, and the buttons follow.
    Scroll_Change();
    assert(UnboundControls(*this).empty());
}

void frmMain::AddArticleButton(int index, const std::string& line, int left, int top) {
    ArticleLine article = SplitArticleLine(line);
    Control& button = Add(ControlKind::Button, "Command1", index, &Get("fraArticles"));
    button.Move(left - positionDefil_, top);
    button.width = kArticleButtonWidth;
    button.height = kArticleButtonHeight;
    button.fontSize = 10;
    button.caption = Left(article.name, 10);
    const std::string price = NormalisePrix(article.price);
    button.fontBold = price.empty();
    button.tag = price;
    button.toolTip = price;
    button.backColor = CouleurCategorie(article.category);
    button.onClick = [this, index] { Command1_Click(index); };
    button.onMouseDown = [this, index](int mouse) { Command1_MouseDown(index, mouse); };
}

void frmMain::SetKeypadScrollMaximum(int lastLeft) {
    Control& scroll = Get("Scroll");
    scroll.max = lastLeft - kFirstLeft;
    if (scroll.value > scroll.max) {
        scroll.value = scroll.max;
    }
}

void frmMain::EcrireArticles() {
    std::vector<std::string> lines;
    for (int i = 0; i <= UBound("Command1"); ++i) {
        const Control& entry = Get("Command1", i);
        const int category = i == 0 ? 0 : CategorieDeCouleur(entry.backColor);
        lines.push_back(entry.caption + ";" + entry.tag + ";" + std::to_string(category));
    }
    WriteLinesAtomic(data_.File(kArticlesFile), lines);
}

void frmMain::ShowKeypadArticle(int index) {
    Control& scroll = Get("Scroll");
    const int step = kArticleButtonWidth;
    // Where the column lies with the keypad unscrolled, and how many columns
    // the frame shows whole (Scroll_Change hides the others).
    const int column = (Get("Command1", index).left + positionDefil_ - kFirstLeft) / step;
    const int fitLimit = Get("fraArticles").width - kArticleButtonWidth;
    const int shown = std::max(1, (fitLimit - kFirstLeft) / step + 1);
    const int first = positionDefil_ / step;
    if (column < first) {
        SetValue(scroll, column * step);
    } else if (column >= first + shown) {
        SetValue(scroll, (column - shown + 1) * step);
    }
}

void frmMain::Scroll_Change() {
    Control& scroll = Get("Scroll");
    const int value = scroll.value;
    const int shift = positionDefil_ - value;
    const int fitLimit = Get("fraArticles").width - kArticleButtonWidth;
    const int last = UBound("Command1");
    bool anyShown = false;
    for (int i = 0; i <= last; ++i) {
        Control& button = Get("Command1", i);
        button.left += shift;
        if (button.left > fitLimit) {
            button.visible = false;
        } else if (i >= 1) {
            button.visible = true;
            anyShown = true;
        }
    }
    positionDefil_ = value;
    if (Get("Command1", last).left >= kFirstLeft + kArticleButtonWidth) {
        return;
    }
    if (!anyShown) {
        scroll.max = value;
    } else if (scroll.value != scroll.max) {
        SetValue(scroll, scroll.max);
    }
}

}  // namespace vantor
