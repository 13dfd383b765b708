#include "catalogue/ArticleButtons.h"

#include <algorithm>

#include "data/CatalogueFiles.h"

namespace vantor {

std::vector<ArticleButton> LireBoutons(const Form& main) {
    std::vector<ArticleButton> buttons;
    for (int i = 1; i <= main.UBound("Command1"); ++i) {
        const Control& button = main.Get("Command1", i);
        buttons.push_back({button.caption, button.tag, button.backColor});
    }
    return buttons;
}

void EcrireBoutons(Form& main, const std::vector<ArticleButton>& buttons) {
    for (std::size_t k = 0; k < buttons.size(); ++k) {
        Control& button = main.Get("Command1", static_cast<int>(k) + 1);
        button.caption = buttons[k].caption;
        button.tag = buttons[k].price;
        button.backColor = buttons[k].color;
    }
}

std::vector<ArticleButton> TrierParCategorie(const std::vector<ArticleButton>& buttons) {
    std::vector<ArticleButton> sorted = buttons;
    for (ArticleButton& button : sorted) {
        button.color = CouleurCategorie(CategorieDeCouleur(button.color));
    }
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const ArticleButton& a, const ArticleButton& b) {
                         return CategorieDeCouleur(a.color) < CategorieDeCouleur(b.color);
                     });
    return sorted;
}

void SupprimerBouton(Form& main, int index) {
    const int last = main.UBound("Command1");
    if (index < 1 || index > last) {
        return;
    }
    std::vector<ArticleButton> buttons = LireBoutons(main);
    buttons.erase(buttons.begin() + (index - 1));
    EcrireBoutons(main, buttons);
    main.Remove("Command1", last);
}

}  // namespace vantor
