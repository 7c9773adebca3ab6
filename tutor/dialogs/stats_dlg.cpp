#include "tutor/dialogs/stats_dlg.h"

#include "tutor/app/qt_text.h"
#include "tutor/course/document.h"
#include "tutor/keyboard/key_heat.h"
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
    keyboardTab_ = ui_->tabBar->addTab(QStringLiteral("Teclado"));
    ui_->heatMap->hide();
    ui_->tabBar->setCurrentIndex(0);
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
    ui_->graph->RefreshGraph();
    if (doc_ && SelectedTab() == keyboardTab_) ui_->heatMap->ShowErrorRatios(doc_->stats);
}

void CStatsDlg::SetKeyboardMap(std::shared_ptr<const CKeyboardMap> map) {
    ui_->heatMap->SetMap(std::move(map));
    if (doc_) ui_->heatMap->ShowErrorRatios(doc_->stats);
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

void CStatsDlg::OnTabChanged(int index) {
    // The keyboard needs more room than the graph's fixed area: the dialog fits its tab.
    const bool keyboard = index == keyboardTab_;
    ui_->graph->setVisible(!keyboard);
    ui_->heatMap->setVisible(keyboard);
    setFixedSize(sizeHint());
    RefreshGraph();
}

}  // namespace zav::ui
