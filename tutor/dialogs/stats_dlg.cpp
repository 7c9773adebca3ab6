#include "tutor/dialogs/stats_dlg.h"

#include "core/course/document.h"
#include "shared/qt_text.h"
#include "tutor/keyboard/key_heat.h"
#include "tutor/stats/progress_chart.h"
#include "tutor/texts.h"
#include "ui_stats_dlg.h"

namespace zav::ui {

CStatsDlg::CStatsDlg(QWidget* parent) : QDialog(parent), ui_(std::make_unique<Ui::CStatsDlg>()) {
    ui_->setupUi(this);
    setModal(false);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowMinimizeButtonHint);
    for (const char* name : {text::kTabHistory, text::kTabSpeed, text::kTabPrecision}) {
        ui_->tabBar->addTab(Tr(name));
    }
    progressTab_ = ui_->tabBar->addTab(tr("Progreso"));
    keyboardTab_ = ui_->tabBar->addTab(tr("Teclado"));
    ui_->heatMap->hide();
    ui_->heatViews->hide();
    connect(ui_->speedRadio, &QRadioButton::toggled, this, &CStatsDlg::RefreshGraph);
    ui_->tabBar->setCurrentIndex(0);
    ui_->progress->hide();
    ui_->graph->SetTabs(ui_->tabBar);
    connect(ui_->tabBar, &QTabBar::currentChanged, this, &CStatsDlg::OnTabChanged);
    setFixedSize(sizeHint());
}

CStatsDlg::~CStatsDlg() = default;

void CStatsDlg::ShowFor(const CZAVTypeDoc& doc) {
    doc_ = &doc;
    ui_->graph->SetDocument(&doc);
    RefreshGraph();
    show();
    raise();
    activateWindow();
}

void CStatsDlg::RefreshGraph() {
    // One of three views: the graph of the first tabs, the progress chart or the keyboard.
    const bool progress = SelectedTab() == progressTab_;
    const bool keyboard = SelectedTab() == keyboardTab_;
    ui_->graph->setVisible(!progress && !keyboard);
    ui_->progress->setVisible(progress);
    ui_->heatMap->setVisible(keyboard);
    ui_->heatViews->setVisible(keyboard);
    if (progress) {
        const auto periods = progressSource_ ? progressSource_() : std::nullopt;
        ui_->progress->ShowPeriods(periods.value_or(std::vector<ProgressPeriod>{}),
                                   periods.has_value());
    } else if (keyboard) {
        if (ui_->speedRadio->isChecked())
            ui_->heatMap->ShowKeySpeeds(keySpeedSource_ ? keySpeedSource_()
                                                        : std::vector<JournalKey>{});
        else if (doc_)
            ui_->heatMap->ShowErrorRatios(doc_->stats);
    } else {
        ui_->graph->RefreshGraph();
    }
}

void CStatsDlg::SetKeyboardMap(std::shared_ptr<const CKeyboardMap> map) {
    ui_->heatMap->SetMap(std::move(map));
    if (SelectedTab() == keyboardTab_) RefreshGraph();
}

CKeyHeatMap* CStatsDlg::HeatMap() const {
    return ui_->heatMap;
}
void CStatsDlg::SelectTab(int index) {
    ui_->tabBar->setCurrentIndex(index);
}
int CStatsDlg::SelectedTab() const {
    return ui_->tabBar->currentIndex();
}
CGraphWnd* CStatsDlg::Graph() const {
    return ui_->graph;
}
CProgressChart* CStatsDlg::Progress() const {
    return ui_->progress;
}

void CStatsDlg::OnTabChanged(int) {
    RefreshGraph();
    // The keyboard needs more room than the graph's fixed area: the dialog fits its tab.
    setFixedSize(sizeHint());
}

}  // namespace zav::ui
