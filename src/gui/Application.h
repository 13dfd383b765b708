#pragma once

class QApplication;
class QTranslator;

namespace vantor {

// The language, the style and the fonts of the till's windows, set once on the
// application before any window is made (the translator must outlive it).
void SetUpApplication(QApplication& application, QTranslator& translator);

}  // namespace vantor
