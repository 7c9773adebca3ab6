// Not a test: pictures of the "Progreso" tab over made-up turns, for a person to look at.
// Writes progreso_week.png (a week of practice) and progreso_months.png (the same week after
// two months of weekly points) into the folder given as the first argument.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdlib>

#include "tests/app/frame_test_support.h"
#include "tutor/dialogs/stats_dlg.h"
#include "tutor/stats/journal_link.h"

namespace {

using namespace zav;

// `turns` turns on the day `daysAgo`, getting faster and more accurate as `skill` grows.
void AddDay(CJournal& journal, const std::string& document, int daysAgo, int turns, double skill) {
    const std::time_t day = std::time(nullptr) - std::time_t{daysAgo} * 86400;
    for (int i = 0; i < turns; ++i) {
        CTurnRecord record;
        record.letters = 48;
        record.errors = static_cast<int>((6 - 4 * skill) * ((i % 3) + 1) / 2);
        record.duration = static_cast<int>(48 * 6000 / (110 + 90 * skill + (i % 4) * 6));
        JournalTurn turn{day - (turns - i) * 60, document, "Default", record, nullptr};
        journal.AddTurn(turn);
    }
}

void Shoot(zav::ui::CStatsDlg* stats, const QDir& folder, const QString& name) {
    stats->SelectTab(stats->ProgressTab());
    stats->show();
    QTest::qWait(150);
    stats->grab().save(folder.filePath(name));
}

}  // namespace

int main(int argc, char** argv) {
    QTemporaryDir home;
    zav::testing::UsePrivateFolders(home);
    QApplication app(argc, argv);
    const QDir folder(argc > 1 ? argv[1] : ".");
    zav::testing::FrameFixture t;
    if (!t.Start()) return 1;
    const std::string document = t.Frame()->Journal().DocumentKey();
    CJournal journal(zav::ui::CJournalLink::DefaultFile());
    if (journal.Open() != JournalStatus::Ok) return 1;
    const int week[] = {6, 9, 0, 12, 8, 10, 7};  // turns on each of the last seven days
    for (int d = 6; d >= 0; --d) AddDay(journal, document, d, week[6 - d], 0.6 + 0.05 * (6 - d));
    t.Trigger("viewStatistics");
    Shoot(t.Frame()->findChild<ui::CStatsDlg*>(), folder, "progreso_week.png");
    for (int d = 150; d > 90; d -= 3) AddDay(journal, document, d, 5, (150 - d) / 120.0);
    t.Frame()->findChild<ui::CStatsDlg*>()->RefreshGraph();
    Shoot(t.Frame()->findChild<ui::CStatsDlg*>(), folder, "progreso_months.png");
    return 0;
}
