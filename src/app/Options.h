#pragma once

#include "FileAssociations.h"

#include <QDialog>
#include <memory>

class QGroupBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QWidget;
class TErrorReporter;

// The Options dialog: the campaign's own title, and the two buttons that make this program the
// opener of campaign files. Laid out at fixed positions, as the dialog has always looked.
class TOptionsForm : public QDialog {
    Q_OBJECT
public:
    explicit TOptionsForm(QWidget* parent = nullptr);

    // Puts the title into the box.
    void Open(const QString& title);
    // Where a file-type button that could not register the program shows its error: the
    // dialog stays open, and no error leaves it through the event loop.
    void setErrorReporter(TErrorReporter* reporter) { m_errorReporter = reporter; }
    QString Title() const;

    QTabWidget* OptionsBook;
    QWidget* ProjectOptionsSheet;
    QWidget* GeneralSheet;
    QFrame* CpnOpsPanel;
    QLabel* imgCpnOps;
    QLabel* lTitle;
    QLineEdit* txtTitle;
    QGroupBox* gbDesc;
    QLabel* lDesc1;
    QLabel* lDesc2;
    QFrame* GeneralPanel;
    QLabel* imgGeneral;
    QGroupBox* GroupBox1;
    QPushButton* CPNBtn;
    QPushButton* CPXBtn;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    QPushButton* HelpBtn;

signals:
    // The dialog's Help button: the window shows the manual's page about these options.
    void HelpRequested();

protected:
    // Neither Enter nor Esc closes the dialog; only its buttons and its title bar do.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // A translation longer than the English text widens the dialog instead of being cut; in
    // English every control keeps its place.
    void growToFitTexts();
    void CPNBtnClick();
    void CPXBtnClick();
    void registerOpener(TCampaignFileKind kind);

    TErrorReporter* m_errorReporter = nullptr;
};

class TCampaign;
class TTextCodec;
struct TCampaignOptions;

// Runs the dialog on the campaign's title. On OK: the new options the campaign gets, holding
// the typed title as it stands (an empty one is derived from the file name when saving); the
// caller makes them the campaign's as an edit. Any other ending: none.
std::unique_ptr<TCampaignOptions> RunOptionsDialog(TOptionsForm& form, const TCampaign& campaign,
                                                   const TTextCodec& codec);
