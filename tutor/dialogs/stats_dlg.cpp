#include "tutor/dialogs/stats_dlg.h"

#include "tutor/app/qt_text.h"
#include "tutor/resources/strings.h"
#include "tutor/stats/progress_chart.h"
#include "ui_stats_dlg.h"

namespace zav::ui {

CStatsDlg::CStatsDlg(QWidget* parent) : QDialog(parent), ui_(std::make_unique<Ui::CStatsDlg>()) {
    ui_->setupUi(this);
    setModal(false);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowMinimizeButtonHint);
    for (const char* name : {text::kTabHistory, text::kTabSpeed, text::kTabPrecision}) {
        ui_->tabBar->addTab(FromCp1252(name));
    }
    progressTab_ = ui_->tabBar->addTab(tr("Progreso"));
    ui_->tabBar->setCurrentIndex(0);
    ui_->progress->hide();
    ui_->graph->SetTabs(ui_->tabBar);
    connect(ui_->tabBar, &QTabBar::currentChanged, this, &CStatsDlg::OnTabChanged);
    setFixedSize(sizeHint());
}

CStatsDlg::~CStatsDlg() = default;

void CStatsDlg::ShowFor(const CZAVTypeDoc& doc) {
    ui_->graph->SetDocument(&doc);
    RefreshGraph();
    show();
    raise();
    activateWindow();
}

void CStatsDlg::RefreshGraph() {
    const bool progress = SelectedTab() == progressTab_;
    ui_->graph->setVisible(!progress);
    ui_->progress->setVisible(progress);
    if (progress) {
        const auto periods = progressSource_ ? progressSource_() : std::nullopt;
        ui_->progress->ShowPeriods(periods.value_or(std::vector<ProgressPeriod>{}),
                                   periods.has_value());
    } else {
        ui_->graph->RefreshGraph();
    }
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
}

}  // namespace zav::ui
