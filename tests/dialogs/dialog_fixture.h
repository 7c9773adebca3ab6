#pragma once
// What the dialogs' widget tests share: message boxes that only record what they were asked,
// and a finger table of two layouts.
#include <QAbstractButton>
#include <QLineEdit>
#include <QMessageBox>
#include <QStringList>
#include <QTest>
#include <algorithm>

#include "shared/prompts.h"

namespace zav::ui {

class CRecordedPrompts : public CPrompts {
  public:
    void Message(const QString& text, QMessageBox::Icon) override { messages.append(text); }
    QStringList messages;
};

// Layout 0 has the key sets "fgrtvb" and "jhyunm" on fingers 3 and 4; layout 1 swaps hands.
inline constexpr char kTwoLayouts[] =
    "Espa\xf1ol\n0:Me\xf1ique:qaz1\n1:Anular:wsx2\n2:Medio:edc3\n3:\xcdndice:fgrtvb\n"
    "4:\xcdndice:jhyunm\n5:Medio:ik,8\n6:Anular:ol.\n7:Me\xf1ique:p\xf1-0\n"
    "Zurdo\n0::p\xf1-0\n1::ol.9\n2::ik,8\n3::jhyunm\n4::fgrtvb\n5::edc3\n6::wsx2\n7::qaz1\n";

// Clicks a button near its left end, where a check box or radio button has its mark even
// when a layout stretches it wide.
inline void ClickButton(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {},
                      QPoint(std::min(8, button->width() / 2), button->height() / 2));
}

// Replaces a field's text the way a user does: select all, then type.
inline void TypeInto(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) {
        QTest::keyClick(edit, Qt::Key_Delete);
    } else {
        QTest::keyClicks(edit, text);
    }
}

}  // namespace zav::ui
