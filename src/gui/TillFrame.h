#pragma once

#include <QGroupBox>

namespace vantor {

// A frame drawn as the forms toolkit draws it: an etched border whose top
// line runs through the middle of the caption. Qt's own group boxes put the
// title above the border, where it collides with the controls the forms
// place near the frame's top.
class TillFrame : public QGroupBox {
public:
    explicit TillFrame(QWidget* parent) : QGroupBox(parent) {}

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace vantor
