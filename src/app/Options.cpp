#include "Options.h"

#include "Campaign.h"
#include "DialogFont.h"
#include "ErrorReporter.h"
#include "FileAssociations.h"
#include "Pictures.h"
#include "ProgramPictures.h"
#include "ScreenPlacement.h"
#include "TextCodec.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtMath>
#include <algorithm>

namespace {

QPushButton* button(const QString& caption, QWidget* parent, const QRect& geometry) {
    auto* pushButton = new QPushButton(caption, parent);
    pushButton->setGeometry(geometry);
    // No button of the dialog is its default (Enter) button.
    pushButton->setAutoDefault(false);
    pushButton->setDefault(false);
    return pushButton;
}

QLabel* label(const QString& text, QWidget* parent, QPoint position) {
    auto* textLabel = new QLabel(text, parent);
    textLabel->move(position);
    textLabel->adjustSize();
    return textLabel;
}

// The room of a line inside a group box: it ends as far from the box's right edge as it
// starts from its left.
int lineRoom(const QLabel* line, const QGroupBox* box) {
    return box->width() - 2 * line->x();
}

// The fonts standing in for the dialog's design font run a little wider than it did: a line
// that would come closer to its box's frame gets its letters drawn just closer together.
void fitLineInBox(QLabel* line, const QGroupBox* box) {
    QFont font = line->font();
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0);
    const qreal room = lineRoom(line, box);
    const qreal natural = QFontMetricsF(font).horizontalAdvance(line->text());
    if (natural + 1 > room)
        font.setLetterSpacing(QFont::AbsoluteSpacing, (room - 1 - natural) / line->text().size());
    line->setFont(font);
    line->adjustSize();
}

QLabel* lineInBox(const QString& text, QGroupBox* box, QPoint position) {
    QLabel* line = label(text, box, position);
    fitLineInBox(line, box);
    return line;
}

// How much closer together a line's letters may come before the dialog grows instead: more
// than the English lines need, little enough to keep a translation easy to read.
constexpr int LineSqueezeAllowance = 8;
// A group box's title stands this far in from each end of its frame.
constexpr int GroupTitleInset = 8;
// The space between two of the dialog's buttons.
constexpr int ButtonGap = 5;

// A 41 x 41 panel with a single border and the page's 32 x 32 icon in its middle.
QFrame* iconPanel(QWidget* parent, const QString& picture, QLabel*& image) {
    auto* panel = new QFrame(parent);
    panel->setGeometry(184, 8, 41, 41);
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    panel->setLineWidth(1);
    image = new QLabel(panel);
    image->setPixmap(TransparentPicture(picture));
    image->setGeometry(4, 4, 32, 32);
    image->setAlignment(Qt::AlignCenter);
    return panel;
}

} // namespace

TOptionsForm::TOptionsForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Options"));
    setFont(ProgramFont());
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(433, 473);
    CentreOnScreen(*this);

    OptionsBook = new QTabWidget(this);
    OptionsBook->setGeometry(8, 8, 417, 425);

    ProjectOptionsSheet = new QWidget;
    OptionsBook->addTab(ProjectOptionsSheet, tr("Project Options"));
    CpnOpsPanel = iconPanel(ProjectOptionsSheet, ProgramPictures::resourcePath(TPicture::OptionsCampaign),
                            imgCpnOps);
    lTitle = label(tr("Campaign Title:"), ProjectOptionsSheet, {8, 56});
    txtTitle = new QLineEdit(ProjectOptionsSheet);
    txtTitle->setGeometry(8, 72, 393, 21);
    gbDesc = new QGroupBox(tr(" Description "), ProjectOptionsSheet);
    gbDesc->setGeometry(8, 104, 393, 65);
    lDesc1 = lineInBox(
        //: The first of two lines; the sentence goes on in the next text.
        tr("Specify here a title if different from the actual Campaign filename, to revert from"),
        gbDesc, {8, 24});
    lDesc2 = lineInBox(tr("using the title above, clear the whole box and leave empty."), gbDesc,
                       {8, 40});

    GeneralSheet = new QWidget;
    OptionsBook->addTab(GeneralSheet, tr("General"));
    GeneralPanel =
        iconPanel(GeneralSheet, ProgramPictures::resourcePath(TPicture::OptionsGeneral), imgGeneral);
    GroupBox1 = new QGroupBox(tr(" File Associations "), GeneralSheet);
    GroupBox1->setGeometry(8, 56, 393, 89);
    CPNBtn = button(tr("Associate Campaign files (*.cpn) with Brindlewick."), GroupBox1,
                    {8, 24, 377, 25});
    CPXBtn = button(tr("Associate Expansion Campaign files (*.cpx) with Brindlewick."), GroupBox1,
                    {8, 56, 377, 25});

    OKBtn = button(tr("&OK"), this, {192, 440, 75, 25});
    CancelBtn = button(tr("&Cancel"), this, {272, 440, 75, 25});
    HelpBtn = button(tr("&Help"), this, {352, 440, 75, 25});

    growToFitTexts();

    OptionsBook->setCurrentWidget(ProjectOptionsSheet);
    // The dialog opens where the user came to type: the title, with its caret showing.
    txtTitle->setFocus();
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpBtn, &QPushButton::clicked, this, &TOptionsForm::HelpRequested);
    connect(CPNBtn, &QPushButton::clicked, this, &TOptionsForm::CPNBtnClick);
    connect(CPXBtn, &QPushButton::clicked, this, &TOptionsForm::CPXBtnClick);
}

void TOptionsForm::growToFitTexts() {
    // How far each text runs past the room its place gives it; the English texts fit.
    int extra = 0;
    const auto need = [&extra](int natural, int room) { extra = std::max(extra, natural - room); };
    for (const QLabel* line : {lDesc1, lDesc2})
        need(qCeil(QFontMetricsF(line->font()).horizontalAdvance(line->text())),
             lineRoom(line, gbDesc) + LineSqueezeAllowance);
    need(lTitle->sizeHint().width(), txtTitle->width());
    for (const QPushButton* wide : {CPNBtn, CPXBtn})
        need(CaptionWidthNeeded(wide), wide->width());
    for (const QGroupBox* box : {gbDesc, GroupBox1})
        need(box->fontMetrics().horizontalAdvance(box->title()) + 2 * GroupTitleInset,
             box->width());
    if (extra > 0) {
        setFixedSize(width() + extra, height());
        for (QWidget* wider : std::initializer_list<QWidget*>{OptionsBook, txtTitle, gbDesc,
                                                              GroupBox1, CPNBtn, CPXBtn})
            wider->resize(wider->width() + extra, wider->height());
        for (QLabel* line : {lDesc1, lDesc2})
            fitLineInBox(line, gbDesc);
    }
    // The three buttons keep their distance from the right edge; a longer caption widens its
    // button to the left and moves the buttons before it.
    int right = HelpBtn->geometry().right() + 1 + extra;
    for (QPushButton* button : {HelpBtn, CancelBtn, OKBtn}) {
        const int buttonWidth = std::max(button->width(), CaptionWidthNeeded(button));
        button->setGeometry(right - buttonWidth, button->y(), buttonWidth, button->height());
        right -= buttonWidth + ButtonGap;
    }
}

void TOptionsForm::Open(const QString& title) {
    txtTitle->setText(title);
}

QString TOptionsForm::Title() const {
    return txtTitle->text();
}

void TOptionsForm::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void TOptionsForm::CPNBtnClick() {
    registerOpener(TCampaignFileKind::Campaign);
}

void TOptionsForm::CPXBtnClick() {
    registerOpener(TCampaignFileKind::Expansion);
}

void TOptionsForm::registerOpener(TCampaignFileKind kind) {
    try {
        RegisterFileAssociation(kind, QCoreApplication::applicationFilePath());
    } catch (const std::exception& error) {
        ReportViewError(m_errorReporter, error);
    }
}

std::unique_ptr<TCampaignOptions> RunOptionsDialog(TOptionsForm& form, const TCampaign& campaign,
                                                   const TTextCodec& codec) {
    const std::string raw = campaign.CampaignOptions().Title;
    const QString shown = QString::fromStdString(codec.ToUnicode(raw));
    form.Open(shown);
    if (form.exec() != QDialog::Accepted)
        return nullptr;
    auto options = std::make_unique<TCampaignOptions>();
    // A title left as it was keeps its bytes, even those the code page cannot show.
    options->Title = form.Title() == shown ? raw : codec.FromUnicode(form.Title().toStdString());
    return options;
}
