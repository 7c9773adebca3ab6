// The keyboard under the exercise and the heat map, driven through the real tutor with key
// events.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

#include "tests/typing/tutor_fixture.h"
#include "tutor/dialogs/settings_dlg.h"
#include "tutor/dialogs/stats_dlg.h"
#include "tutor/keyboard/key_heat.h"
#include "tutor/keyboard/keyboard_dock.h"
#include "tutor/keyboard/keyboard_widget.h"

namespace zav::testing {
namespace {

// The shipped-style finger table of one layout, named with its XKB layout.
std::string Fingers(const std::string& name) {
    return name +
           "\n0::aqz1\xBA<AQZ!\xAA>JHYUNM\n1::swx2SWX\"@\n2::edc3EDC\x80\n3::frtgvb45FRTGVB\n"
           "4::jyuhnm67JYUHNM\n5::ki,8KI\n6::lo.9LO\n7::\xF1p-0'\xA1\xB4\xE1"
           "AQZSWXEDCFRTGVB\n";
}

class KeyboardFixture : public TutorFixture {
  public:
    KeyboardFixture(const std::string& line, const std::string& layout)
        : TutorFixture("\tPrueba\n" + line + "\n", "audio:off\n") {
        WriteFile(Path("fingers.txt"), Fingers("Prueba [" + layout + "]"));
    }
    bool Start() {
        if (!TutorFixture::Start()) return false;
        Dock()->WaitForMap();
        return Keyboard()->Map() != nullptr;
    }
    ui::CKeyboardDock* Dock() const { return Frame()->findChild<ui::CKeyboardDock*>(); }
    ui::CKeyboardWidget* Keyboard() const { return Dock()->Keyboard(); }
    int Key(const char* name) const { return Keyboard()->Map()->KeyIndex(name); }
    std::string Lit() const {
        std::string names;
        for (int key : Keyboard()->Highlighted())
            names += Keyboard()->Map()->Keys()[key].name + " ";
        return names;
    }
    QImage KeyImage(const char* key) const {
        return Keyboard()->Rendered().copy(Keyboard()->KeyRect(Key(key)));
    }
    QRgb Pixel(const char* key) const {
        const QRect box = Keyboard()->KeyRect(Key(key));
        return Keyboard()->Rendered().pixel(box.right() - 3, box.center().y());
    }
    void TypeText(const QString& text) {
        QTest::sendKeyEvent(QTest::Click, View(), Qt::Key_unknown, text, Qt::NoModifier);
    }
};

TEST(KeyboardDock, LightsTheNextKeyWithItsModifiersAndTheDeadKeyFirst) {
    KeyboardFixture t("A\xE1@", "es");
    ASSERT_TRUE(t.Start());
    EXPECT_EQ(t.Lit(), "AC01 RTSH ");  // a capital: Shift of the other hand
    EXPECT_EQ(t.Pixel("AC01"), QColor(0x1d, 0x5c, 0xc4).rgb());
    EXPECT_NE(t.Pixel("AC02"), t.Pixel("AC01"));

    t.Type("x");  // wrong: its key flashes red, the light stays
    EXPECT_EQ(t.Keyboard()->FlashedKey(), t.Key("AB02"));
    EXPECT_EQ(t.Pixel("AB02"), QColor(0xd6, 0x35, 0x35).rgb());
    EXPECT_EQ(t.Lit(), "AC01 RTSH ");

    const QImage untouched = t.KeyImage("AB05");
    t.Type("A");
    EXPECT_EQ(t.Lit(), "AC11 ");  // á: the dead acute first ...
    EXPECT_EQ(t.KeyImage("AB05"), untouched) << "the dead key's bold \"1\" leaked";
    QKeyEvent dead(QEvent::KeyPress, Qt::Key_Dead_Acute, Qt::NoModifier);
    QApplication::sendEvent(t.View(), &dead);
    EXPECT_EQ(t.Lit(), "AC01 ");  // ... then the base key
    t.TypeText(QStringLiteral("\u00E1"));
    EXPECT_EQ(t.Lit(), "AE02 RALT ");
    EXPECT_TRUE(t.Dock()->MarkText().isEmpty());
}

TEST(KeyboardDock, MarksACharacterNoKeyTypesOncePerExercise) {
    KeyboardFixture t(
        "a\xF1"
        "a\xF1",
        "us");
    ASSERT_TRUE(t.Start());
    t.Type("a");
    EXPECT_TRUE(t.Lit().empty());
    EXPECT_TRUE(t.Dock()->MarkText().contains(QStringLiteral("\u00F1")))
        << t.Dock()->MarkText().toStdString();
    t.TypeText(QStringLiteral("\u00F1"));
    EXPECT_TRUE(t.Dock()->MarkText().isEmpty());
    t.Type("a");
    EXPECT_TRUE(t.Dock()->MarkText().isEmpty());  // the same character again: no second mark
}

TEST(KeyboardDock, TecladoInVerShowsAndHidesItAndTheDesktopChoiceFallsBack) {
    KeyboardFixture t("asdf", "latam");
    ASSERT_TRUE(t.Start());
    EXPECT_EQ(t.Keyboard()->Map()->LayoutName(), "latam");
    QAction* command = t.Frame()->findChild<QAction*>(QStringLiteral("viewKeyboard"));
    ASSERT_NE(command, nullptr);
    EXPECT_TRUE(command->isChecked());
    EXPECT_FALSE(t.Dock()->isHidden());
    command->trigger();
    EXPECT_TRUE(t.Dock()->isHidden());
    command->trigger();
    EXPECT_FALSE(t.Dock()->isHidden());

    // Without an X server "the keyboard in use" is the chosen layout.
    ui::CSettingsDlg* settings = t.Frame()->SettingsDlg();
    settings->findChild<QCheckBox*>(QStringLiteral("desktopKeyboardCheck"))->setChecked(true);
    settings->findChild<QPushButton*>(QStringLiteral("okButton"))->click();
    EXPECT_TRUE(ui::CSettingsDlg::DesktopKeyboardSetting());
    t.Dock()->WaitForMap();
    ASSERT_NE(t.Keyboard()->Map(), nullptr);
    EXPECT_EQ(t.Keyboard()->Map()->LayoutName(), "latam");
}

TEST(KeyHeatMap, ColoursKeysByErrorRatioAndLeavesUntypedKeysNeutral) {
    KeyboardFixture t("asdf", "es");
    ASSERT_TRUE(t.Start());
    CProgressStats& stats = t.Doc().stats;
    stats = CProgressStats();
    stats.letterCorrect['f'] = 10;                                // 0 %
    stats.letterCorrect['j'] = 4, stats.letterErrors['j'] = 1;    // 25 %
    stats.letterCorrect[0xE1] = 5, stats.letterErrors[0xE1] = 5;  // á 100 %: on ´ and on A
    t.Frame()->findChild<QAction*>(QStringLiteral("viewStatistics"))->trigger();
    ui::CStatsDlg* dialog = t.Frame()->findChild<ui::CStatsDlg*>();
    dialog->SelectTab(dialog->KeyboardTab());
    ui::CKeyHeatMap* heat = dialog->HeatMap();
    ASSERT_TRUE(heat->isVisible());
    ASSERT_NE(heat->Map(), nullptr);
    const auto& values = heat->Values();
    const auto key = [&](const char* name) { return heat->Map()->KeyIndex(name); };
    EXPECT_DOUBLE_EQ(values[key("AC04")].value_or(-1), 0);
    EXPECT_DOUBLE_EQ(values[key("AC07")].value_or(-1), 25);
    EXPECT_DOUBLE_EQ(values[key("AC11")].value_or(-1), 100);
    EXPECT_DOUBLE_EQ(values[key("AC01")].value_or(-1), 100);
    EXPECT_FALSE(values[key("AC02")]);
    const auto pixel = [&](const char* name) {
        const QRect box = heat->KeyRect(key(name));
        return QColor(heat->Rendered().pixel(box.right() - 3, box.center().y()));
    };
    EXPECT_GT(pixel("AC04").green(), pixel("AC04").red());  // green
    EXPECT_GT(pixel("AC01").red(), pixel("AC01").green());  // red
    EXPECT_EQ(pixel("AC02"), QColor(0xe6, 0xe6, 0xe6));     // never typed
    EXPECT_GT(dialog->width(), 560);
}

// "Velocidad": each key by the journal's median time per keystroke of its characters, a key's
// characters weighted by their timed keystrokes.
TEST(KeyHeatMap, SpeedViewShowsMillisecondsPerKeystroke) {
    KeyboardFixture t("asdf", "es");
    ASSERT_TRUE(t.Start());
    t.Doc().stats = CProgressStats();
    t.Frame()->findChild<QAction*>(QStringLiteral("viewStatistics"))->trigger();
    ui::CStatsDlg* dialog = t.Frame()->findChild<ui::CStatsDlg*>();
    dialog->SetKeySpeedSource([] {
        return std::vector<JournalKey>{
            {'f', 10, 10, 2000, 200}, {'F', 10, 10, 4000, 400}, {'j', 5, 5, 4000, 800}};
    });
    dialog->SelectTab(dialog->KeyboardTab());
    dialog->findChild<QRadioButton*>(QStringLiteral("speedRadio"))->click();
    ui::CKeyHeatMap* heat = dialog->HeatMap();
    ASSERT_NE(heat->Map(), nullptr);
    const auto& values = heat->Values();
    const auto key = [&](const char* name) { return heat->Map()->KeyIndex(name); };
    EXPECT_DOUBLE_EQ(values[key("AC04")].value_or(-1), 300);
    EXPECT_DOUBLE_EQ(values[key("AC07")].value_or(-1), 800);
    EXPECT_FALSE(values[key("AC02")]);
    dialog->findChild<QRadioButton*>(QStringLiteral("errorsRadio"))->click();
    EXPECT_FALSE(heat->Values()[key("AC07")]);  // no errors table entry for j: neutral again
}

}  // namespace
}  // namespace zav::testing
