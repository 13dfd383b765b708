#pragma once

#include <string>
#include <vector>

#include "platform/Control.h"
#include "platform/Form.h"

namespace vantor {

// What an article button of the keypad carries into Articles.csv.
struct ArticleButton {
    std::string caption;
    std::string price;  // the button's tag, exactly as typed
    Color color = 0;
};

// Elements 1..n of the keypad array Command1, in index order.
std::vector<ArticleButton> LireBoutons(const Form& main);
// Element k + 1 of Command1 takes record k; the elements must exist.
void EcrireBoutons(Form& main, const std::vector<ArticleButton>& buttons);

// The buttons grouped by category, category 0 first: a stable sort on the
// category of each colour. Every button takes the colour of its category, so
// a colour that is no category's comes out as category 0.
std::vector<ArticleButton> TrierParCategorie(const std::vector<ArticleButton>& buttons);

// Removes article `index` (1..n): every later article moves one place towards
// the front and the last element of Command1 goes.
void SupprimerBouton(Form& main, int index);

}  // namespace vantor
