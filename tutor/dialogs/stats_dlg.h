#pragma once
// "Estadística": modeless, created hidden with the frame. Three tabs over one graph window;
// "Es&tadística" hands it the document and shows it, and the view calls RefreshGraph after
// every finished turn, shown or not.
#include <QDialog>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "core/stats/journal.h"
#include "core/stats/progress_periods.h"

#include "core/keyboard/keyboard_map.h"

namespace Ui {
class CStatsDlg;
}

namespace zav {
class CZAVTypeDoc;
}

namespace zav::ui {

class CGraphWnd;
class CProgressChart;
class CKeyHeatMap;

class CStatsDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CStatsDlg(QWidget* parent = nullptr);
    ~CStatsDlg() override;

    // The "Es&tadística" command: the document to draw from now on, then show.
    void ShowFor(const CZAVTypeDoc& doc);
    void RefreshGraph();
    void SelectTab(int index);
    int SelectedTab() const;
    CGraphWnd* Graph() const;
    // "Teclado": the learner's keys on the keyboard of the on-screen keyboard.
    void SetKeyboardMap(std::shared_ptr<const CKeyboardMap> map);
    CKeyHeatMap* HeatMap() const;
    int KeyboardTab() const { return keyboardTab_; }

    // Where the "Progreso" tab takes its days from: nothing when there is no journal.
    using ProgressSource = std::function<std::optional<std::vector<ProgressPeriod>>()>;
    void SetProgressSource(ProgressSource source) { progressSource_ = std::move(source); }
    // Where the keyboard's "Velocidad" view takes each character's time per keystroke from.
    using KeySpeedSource = std::function<std::vector<JournalKey>()>;
    void SetKeySpeedSource(KeySpeedSource source) { keySpeedSource_ = std::move(source); }
    CProgressChart* Progress() const;
    int ProgressTab() const { return progressTab_; }

  private:
    void OnTabChanged(int index);

    std::unique_ptr<Ui::CStatsDlg> ui_;
    ProgressSource progressSource_;
    KeySpeedSource keySpeedSource_;
    int progressTab_ = -1;
    const CZAVTypeDoc* doc_ = nullptr;
    int keyboardTab_ = -1;
};

}  // namespace zav::ui
