#pragma once
// "Estadística": modeless, created hidden with the frame. Three tabs over one graph window;
// "Es&tadística" hands it the document and shows it, and the view calls RefreshGraph after
// every finished turn, shown or not.
#include <QDialog>
#include <memory>

namespace Ui {
class CStatsDlg;
}

namespace zav {
class CZAVTypeDoc;
}

namespace zav::ui {

class CGraphWnd;

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

  private:
    void OnTabChanged(int index);

    std::unique_ptr<Ui::CStatsDlg> ui_;
};

}  // namespace zav::ui
