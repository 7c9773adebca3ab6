// Not a test: pictures of the main window for a person to look at, after a slow turn of 106.42 s
// with the long caption of a real course, at 730×400 and at 730×620. Writes frame_730x400.png
// and frame_730x620.png into the folder given as the first argument. Run offscreen, or with
// QT_SCALE_FACTOR=2 to see the larger scale.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdlib>

#include "tests/app/frame_test_support.h"

int main(int argc, char** argv) {
    QTemporaryDir home;
    zav::testing::UsePrivateFolders(home);
    QApplication app(argc, argv);
    const QDir folder(argc > 1 ? argv[1] : ".");
    zav::testing::TutorFixture t(
        "\tDi\xe9resis, e\xf1"
        "e y signos de apertura\nasdf jkl\n",
        "audio:off\n");
    if (!t.Start()) return 1;
    t.Frame()->ShowTurnFigures({0, 10642, "fj", 48, 2, 0, 8}, 3);
    for (QSize size : {QSize(730, 400), QSize(730, 620)}) {
        t.Frame()->resize(size);
        QTest::qWait(150);
        t.Frame()->grab().save(folder.filePath(
            QStringLiteral("frame_%1x%2.png").arg(size.width()).arg(size.height())));
    }
    return 0;
}
