// The settings dialog and the finger guide, driven with real keys and clicks.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>

#include "core/course/document.h"
#include "core/course/progress_file.h"
#include "shared/qt_text.h"
#include "tests/dialogs/dialog_fixture.h"
#include "tutor/dialogs/finger_dlg.h"
#include "tutor/dialogs/font_dlg.h"
#include "tutor/dialogs/settings_dlg.h"

namespace zav::ui {
namespace {

class SettingsDialog : public ::testing::Test {
  protected:
    SettingsDialog() : dlg(prompts) {
        fingers.Parse(kTwoLayouts);
        dlg.FillLayouts(fingers.LayoutNames());
        QObject::connect(&dlg, &CSettingsDlg::layoutApplied, &dlg,
                         [this](int layout) { fingers.SetLayout(layout); });
        dlg.LoadFromDocument(doc);
        dlg.show();
    }

    QLineEdit* Edit(const char* name) { return dlg.findChild<QLineEdit*>(name); }
    QComboBox* Layouts() { return dlg.findChild<QComboBox*>("layoutCombo"); }
    void Click(const char* button) { ClickButton(dlg.findChild<QAbstractButton*>(button)); }
    void ClickArrow(const char* upDown, const char* arrow, int times) {
        auto* button = dlg.findChild<QWidget*>(upDown)->findChild<QToolButton*>(arrow);
        for (int i = 0; i < times; ++i) QTest::mouseClick(button, Qt::LeftButton);
    }

    CRecordedPrompts prompts;
    CFingerTable fingers;
    CZAVTypeDoc doc;
    CSettingsDlg dlg;
};

TEST_F(SettingsDialog, NewDocumentShowsItsValuesAndTheFirstLayout) {
    EXPECT_EQ(Edit("badEdit")->text(), "200");
    EXPECT_EQ(Edit("goodEdit")->text(), "100");
    EXPECT_EQ(Edit("regularEdit")->text(), "0");
    EXPECT_EQ(Layouts()->count(), 2);
    EXPECT_EQ(Layouts()->currentText(), QString::fromUtf8("Español"));
    EXPECT_EQ(Edit("fontNameEdit")->text(), FromCp1252(doc.fontName));
}

TEST_F(SettingsDialog, EveryPerMilleSurvivesOkAndSaveAndOpen) {
    for (int value = 0; value <= 1000; ++value) {
        if (!dlg.isVisible()) dlg.show();
        TypeInto(Edit("badEdit"), QString::number(value));
        TypeInto(Edit("goodEdit"), QString::number(1000 - value));
        QTest::keyClick(Edit("goodEdit"), Qt::Key_Return);  // OK is the default button
        ASSERT_FALSE(dlg.isVisible()) << value;

        CZAVTypeDoc reopened;
        ASSERT_TRUE(DecodeProgress(EncodeProgress(doc, "Courses/Default"), reopened).Ok());
        dlg.LoadFromDocument(reopened);
        ASSERT_EQ(Edit("badEdit")->text(), QString::number(value));
        ASSERT_EQ(Edit("goodEdit")->text(), QString::number(1000 - value));
        dlg.LoadFromDocument(doc);
    }
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(SettingsDialog, RegularArrowsReach80AndOkRefusesAbove10) {
    ClickArrow("regularUpDown", "up", 100);
    EXPECT_EQ(Edit("regularEdit")->text(), "80");
    ClickArrow("regularUpDown", "down", 69);
    EXPECT_EQ(Edit("regularEdit")->text(), "11");
    Click("okButton");
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0], QString::fromUtf8("Introduzca un número entero entre 0 y 10."));
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(dlg.focusWidget(), Edit("regularEdit"));
    EXPECT_EQ(doc.okThreshold, 0);

    ClickArrow("regularUpDown", "down", 1);
    Click("okButton");
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(doc.okThreshold, 10);
}

TEST_F(SettingsDialog, FirstFailingFieldIsReportedAndFocused) {
    TypeInto(Edit("badEdit"), "1500");
    TypeInto(Edit("goodEdit"), "");
    Click("okButton");
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0],
              QString::fromUtf8("Introduzca un número entero entre 0 y 1000."));
    EXPECT_EQ(dlg.focusWidget(), Edit("badEdit"));

    TypeInto(Edit("badEdit"), "150");
    Click("okButton");
    ASSERT_EQ(prompts.messages.size(), 2);
    EXPECT_EQ(prompts.messages[1], QString::fromUtf8("Introduzca un número entero."));
    EXPECT_EQ(dlg.focusWidget(), Edit("goodEdit"));
    EXPECT_EQ(doc.badLimit, 0.2f) << "nothing applied";
    TypeInto(Edit("goodEdit"), "letters");  // the field takes digits only
    EXPECT_EQ(Edit("goodEdit")->text(), "");
}

TEST_F(SettingsDialog, BienAboveMalIsAccepted) {
    QSignalSpy applied(&dlg, &CSettingsDlg::settingsApplied);
    TypeInto(Edit("badEdit"), "50");
    TypeInto(Edit("goodEdit"), "900");
    Click("okButton");
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(applied.count(), 1);
    EXPECT_EQ(doc.badLimit, 0.05f);
    EXPECT_EQ(doc.goodLimit, 0.9f);
}

TEST_F(SettingsDialog, LayoutChosenThenCancelledIsAppliedByTheNextOk) {
    fingers.SetLayout(0);
    Layouts()->setFocus();
    QTest::keyClick(Layouts(), Qt::Key_Down);
    EXPECT_EQ(dlg.Values().layoutIndex, 1);
    TypeInto(Edit("badEdit"), "321");
    Click("cancelButton");
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(doc.keyboardLayout, 0);
    EXPECT_EQ(fingers.CurrentLayout(), 0);

    dlg.show();
    EXPECT_EQ(Edit("badEdit")->text(), "321") << "Cancelar keeps what was typed";
    Click("okButton");
    EXPECT_EQ(doc.keyboardLayout, 1);
    EXPECT_EQ(fingers.CurrentLayout(), 1);
}

TEST_F(SettingsDialog, ChangeFontStartsFromThePixelHeightAndRewritesTheFields) {
    doc.fontName = "DejaVu Sans";
    doc.fontSize = 120;
    dlg.LoadFromDocument(doc);
    QFont asked;
    dlg.SetFontChooser([&](const QFont& initial) -> std::optional<QFont> {
        asked = initial;
        QFont chosen("DejaVu Serif");
        chosen.setPointSizeF(10.5);
        return chosen;
    });
    TypeInto(Edit("badEdit"), "7");
    Click("changeFontButton");
    EXPECT_EQ(asked.pixelSize(), FontPixelHeight(120, dlg.logicalDpiY()));
    EXPECT_EQ(asked.family(), "DejaVu Sans");
    EXPECT_EQ(Edit("fontNameEdit")->text(), "DejaVu Serif");
    EXPECT_EQ(Edit("badEdit")->text(), "200") << "typed numbers replaced by the members";
    EXPECT_EQ(doc.fontName, "DejaVu Sans") << "nothing reaches the document before OK";

    dlg.SetFontChooser([](const QFont&) { return std::optional<QFont>(); });
    Click("changeFontButton");
    EXPECT_EQ(Edit("fontNameEdit")->text(), "DejaVu Serif");
    Click("okButton");
    EXPECT_EQ(doc.fontName, "DejaVu Serif");
    EXPECT_EQ(doc.fontSize, 105);
}

class FingerGuide : public ::testing::Test {
  protected:
    FingerGuide() : dlg(table) {
        table.Parse(kTwoLayouts);
        dlg.show();
    }
    std::vector<bool> Down() {
        std::vector<bool> down;
        for (int i = 0; i < 8; ++i) down.push_back(dlg.FingerButton(i)->isDown());
        down.push_back(dlg.ThumbButton()->isDown());
        return down;
    }
    CFingerTable table;
    CFingerDlg dlg;
};

// The chooser opens on the face, its regular style and the size; the user's style and size come
// back from OK, nothing from Cancel.
TEST(FontChooser, OpensOnTheRegularStyleAndReturnsTheChoice) {
    for (const char* family : {"DejaVu Sans", "DejaVu Serif", "DejaVu Sans Mono"}) {
        EXPECT_EQ(RegularStyle(QString::fromLatin1(family)), QStringLiteral("Book")) << family;
        for (const char* button : {"okButton", "cancelButton"}) {
            QString startStyle;
            double startSize = 0;
            QTimer::singleShot(0, [&] {
                auto* dialog = qobject_cast<CFontDlg*>(QApplication::activeModalWidget());
                if (!dialog) return;
                auto* styles = dialog->findChild<QListWidget*>("styleList");
                auto* size = dialog->findChild<QDoubleSpinBox*>("sizeSpin");
                startStyle = styles->currentItem()->text();
                startSize = size->value();
                QListWidgetItem* bold = styles->findItems("Bold", Qt::MatchExactly).value(0);
                if (bold)
                    QTest::mouseClick(styles->viewport(), Qt::LeftButton, {},
                                      styles->visualItemRect(bold).center());
                size->selectAll();
                QTest::keyClicks(size, "20");
                ClickButton(dialog->findChild<QPushButton*>(button));
            });
            const std::optional<QFont> chosen =
                ChooseExerciseFont(QFont(QString::fromLatin1(family), 14), nullptr);
            EXPECT_EQ(startStyle, QStringLiteral("Book")) << family;
            EXPECT_EQ(startSize, 14) << family;
            ASSERT_EQ(chosen.has_value(), QLatin1String(button) == "okButton") << family;
            if (!chosen) continue;
            EXPECT_EQ(chosen->family(), QString::fromLatin1(family));
            EXPECT_EQ(chosen->weight(), QFont::Bold) << family;
            EXPECT_EQ(chosen->pointSizeF(), 20) << family;
        }
    }
}

// The settings ask in pixels: OK without a change gives back the same face, plain, and size.
TEST(FontChooser, OkWithoutAChangeKeepsTheSettingsFont) {
    QFont initial(QStringLiteral("DejaVu Serif"));
    initial.setPixelSize(14);
    double points = 0;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<CFontDlg*>(QApplication::activeModalWidget());
        if (!dialog) return;
        points = 14 * 72.0 / dialog->logicalDpiY();
        ClickButton(dialog->findChild<QPushButton*>("okButton"));
    });
    const std::optional<QFont> chosen = ChooseExerciseFont(initial, nullptr);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->family(), initial.family());
    EXPECT_EQ(chosen->weight(), QFont::Normal);
    EXPECT_FALSE(chosen->italic());
    EXPECT_NEAR(chosen->pointSizeF(), points, 0.05);
}

TEST_F(FingerGuide, ButtonsAndLetterForACharacter) {
    struct Case {
        char ch;
        std::vector<bool> down;
        QString letter;
    } cases[] = {
        {'f', {0, 0, 0, 1, 0, 0, 0, 0, 0}, "f"},
        {'9', {0, 0, 0, 0, 0, 0, 0, 0, 0}, " "},
        {' ', {0, 0, 0, 0, 0, 0, 0, 0, 1}, " "},
        {'\xf1', {0, 0, 0, 0, 0, 0, 0, 1, 0}, QString::fromUtf8("ñ")},
        {'\0', {0, 0, 0, 0, 0, 0, 0, 0, 0}, " "},
    };
    for (const Case& c : cases) {
        dlg.ShowFingerFor(c.ch);
        EXPECT_EQ(Down(), c.down) << int(c.ch);
        EXPECT_EQ(dlg.Letter(), c.letter) << int(c.ch);
    }
    // The buttons show and take no clicks, so a click can never change what they show.
    for (int i = 0; i < 8; ++i)
        EXPECT_TRUE(dlg.FingerButton(i)->testAttribute(Qt::WA_TransparentForMouseEvents));
}

TEST_F(FingerGuide, LayoutChangesWithTheNextCharacterOnly) {
    dlg.ShowFingerFor('f');
    table.SetLayout(1);
    EXPECT_TRUE(dlg.FingerButton(3)->isDown());
    dlg.ShowFingerFor('f');
    EXPECT_TRUE(dlg.FingerButton(4)->isDown());
    table.SetLayout(7);  // a layout the table does not have shows no finger
    dlg.ShowFingerFor('f');
    EXPECT_EQ(Down(), std::vector<bool>(9, false));
}

TEST_F(FingerGuide, EscAndEnterHideItAndTellTheFrame) {
    QSignalSpy closed(&dlg, &CFingerDlg::closedByUser);
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        dlg.show();
        QTest::keyClick(&dlg, key);
        EXPECT_FALSE(dlg.isVisible()) << key;
    }
    EXPECT_EQ(closed.count(), 2);
    dlg.show();
    dlg.hide();  // the "&Dedos.." command hides it without the signal
    EXPECT_EQ(closed.count(), 2);
}

}  // namespace
}  // namespace zav::ui
