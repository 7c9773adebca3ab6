#include "tutor/dialogs/stats_dlg.h"

#include "tutor/app/qt_text.h"
#include "tutor/resources/strings.h"
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
    ui_->tabBar->setCurrentIndex(0);
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
    ui_->graph->RefreshGraph();
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

void CStatsDlg::OnTabChanged(int) {
    RefreshGraph();
}

}  // namespace zav::ui
