#pragma once

#include <QLineEdit>
#include <QPointer>
#include <QWidget>

namespace vantor {

// Digit keys for a finger, shown beside an amount field (IsAmountField) while
// it has the focus. The keys type into the field exactly as a keyboard would,
// so the form sees ordinary typing.
class NumericPad : public QWidget {
public:
    // Watches the focus of the whole application; call once.
    static void Install();
    // The pad on screen, or nullptr.
    static NumericPad* Shown();

    QLineEdit* Target() const { return target_; }

protected:
    // Follows the field's window when the window manager places or moves it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit NumericPad(QLineEdit& target);
    static void FocusChanged(QWidget* now);
    void Type(int key, const QString& text);
    void PlaceBeside(const QLineEdit& field);

    QPointer<QLineEdit> target_;
};

}  // namespace vantor
