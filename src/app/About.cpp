#include "About.h"

#include "AppTexts.h"
#include "DialogFont.h"
#include "ErrorReporter.h"
#include "MemoryStatus.h"
#include "Pictures.h"
#include "ProgramPictures.h"
#include "ReadableColors.h"
#include "ScreenPlacement.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>

namespace {

QLabel* label(const QString& text, QWidget* parent, QPoint position) {
    auto* textLabel = new QLabel(text, parent);
    textLabel->move(position);
    textLabel->adjustSize();
    return textLabel;
}

} // namespace

const QColor TAboutForm::HoverColor(128, 0, 128);
const QColor TAboutForm::LinkColor(0, 0, 255);

QString MemoryFigureText(std::uint64_t bytes, const QLocale& locale) {
    QLocale grouping = locale;
    grouping.setNumberOptions(grouping.numberOptions() & ~QLocale::OmitGroupSeparator);
    //: Kilobytes of memory; %1 is the figure.
    return TAboutForm::tr("%1 KB").arg(grouping.toString(static_cast<qulonglong>(bytes / 1024)));
}

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About..."));
    setFont(ProgramFont());
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(377, 257);
    CentreOnScreen(*this);
    setMouseTracking(true);

    Icon = new QLabel(this);
    Icon->setPixmap(TransparentPicture(ProgramPictures::resourcePath(TPicture::AboutEmblem)));
    Icon->move(8, 8);
    Icon->adjustSize();

    lQOR = label(QStringLiteral("Quorvane"), this, {56, 8});
    lQOR->setFont(TitleFont(14));
    lQOR->adjustSize();
    lBrindlewick = label(QStringLiteral("Brindlewick"), this, {56, 24});
    lBrindlewick->setFont(TitleFont(28));
    lBrindlewick->adjustSize();
    for (QLabel* title : {lQOR, lBrindlewick})
        title->setAttribute(Qt::WA_TranslucentBackground);

    lVer = label(tr("Version %1").arg(QStringLiteral(BRINDLEWICK_VERSION)), this, {56, 88});
    lNotice =
        label(tr("Free software for the players and mod makers of both games."), this, {56, 104});
    lComment = label(tr("Comments and suggestions to:"), this, {56, 128});

    imgEMail = new QLabel(this);
    imgEMail->setPixmap(QPixmap(ProgramPictures::resourcePath(TPicture::AboutEnvelope)));
    imgEMail->setGeometry(56, 152, 23, 15);
    lEMail = new TLinkLabel(AppTexts::ContactAddress, this);
    lEMail->move(84, 152);
    QFont underlined = lEMail->font();
    underlined.setUnderline(true);
    lEMail->setFont(underlined);
    lEMail->adjustSize();
    for (QLabel* link : {imgEMail, static_cast<QLabel*>(lEMail)}) {
        link->setCursor(Qt::PointingHandCursor);
        link->setMouseTracking(true);
        link->installEventFilter(this);
    }
    showLinkColor();

    Divider = new QFrame(this);
    Divider->setGeometry(56, 176, 305, 2);
    Divider->setFrameStyle(QFrame::HLine | QFrame::Sunken);

    lFreeMem = label(tr("Memory available to Windows:"), this, {56, 184});
    lMem = label(QStringLiteral("0KB"), this, {56, 184});

    OKBtn = new QPushButton(tr("OK"), this);
    OKBtn->setGeometry(288, 224, 75, 25);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    // The box opens on its button as before; Tab then reaches the link.
    OKBtn->setFocus();
    connect(lEMail, &TLinkLabel::chosenByKey, this, &TAboutForm::lEMailClick);

    Webber = new TGoToWeb(this);
    Webber->Url = AppTexts::MeltharnSite;
    Webber->EMail = AppTexts::ContactAddress;
    Webber->BrowserState = TBrowserState::gwMaximized;

    FormCreate();
}

void TAboutForm::FormCreate() {
    lMem->setText(MemoryFigureText(TotalPhysicalMemory()));
    lMem->adjustSize();
    growToFitTexts();
    // Right-aligned: the figure's right edge stays at 356 whatever its width.
    lMem->move(m_memoryRight - lMem->width(), 184);
}

void TAboutForm::growToFitTexts() {
    // The texts keep the margin the icon has on the left; the memory figure keeps a gap from
    // its label. In English both fit the dialog's given width.
    constexpr int margin = 16;
    constexpr int gap = 8;
    int extra = 0;
    for (const QLabel* text : {lVer, lNotice, lComment, static_cast<QLabel*>(lEMail)})
        extra = std::max(extra, text->geometry().right() + 1 + margin - width());
    extra = std::max(extra, lFreeMem->geometry().right() + 1 + gap + lMem->width() - m_memoryRight);
    extra = std::max(extra, 0);
    // The button keeps its distance from the right edge and widens to the left.
    const int right = OKBtn->geometry().right() + 1 + extra;
    const int buttonWidth = std::max(OKBtn->width(), CaptionWidthNeeded(OKBtn));
    OKBtn->setGeometry(right - buttonWidth, OKBtn->y(), buttonWidth, OKBtn->height());
    if (extra == 0)
        return;
    setFixedSize(width() + extra, height());
    m_memoryRight += extra;
    Divider->resize(Divider->width() + extra, Divider->height());
}

bool TAboutForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lEMail || watched == imgEMail) {
        // The link's own moves must not travel on to the dialog, which would take them for
        // moves over its background.
        if (event->type() == QEvent::MouseMove) {
            lEMailMouseMove();
            return true;
        }
        // A click is a press and a release both on the link or its envelope; letting go
        // elsewhere takes it back.
        if (event->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            m_linkPressed = true;
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            const bool clicked =
                m_linkPressed && onLink(static_cast<QMouseEvent*>(event)->globalPosition());
            m_linkPressed = false;
            if (clicked)
                lEMailClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool TAboutForm::onLink(const QPointF& globalPosition) const {
    const QPoint at = globalPosition.toPoint();
    for (const QWidget* part :
         {static_cast<const QWidget*>(lEMail), static_cast<const QWidget*>(imgEMail)})
        if (part->rect().contains(part->mapFromGlobal(at)))
            return true;
    return false;
}

void TAboutForm::mouseMoveEvent(QMouseEvent* event) {
    // Moves over the other labels reach the dialog too; only its bare background counts.
    if (!childAt(event->position().toPoint()))
        FormMouseMove();
    QDialog::mouseMoveEvent(event);
}

// A click or a key in the dialog is no command of the program: its error is reported here,
// so that nothing is thrown through the event loop.
void TAboutForm::lEMailClick() {
    try {
        OpenMail(*Webber);
    } catch (const std::exception& error) {
        ReportViewError(m_errorReporter, error);
    }
}

void TAboutForm::lEMailMouseMove() {
    m_linkHovered = true;
    showLinkColor();
}

void TAboutForm::FormMouseMove() {
    m_linkHovered = false;
    showLinkColor();
}

void TAboutForm::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    // A desktop switching to a dark theme or back while the box is open.
    if (event->type() == QEvent::PaletteChange && lEMail)
        showLinkColor();
}

void TAboutForm::showLinkColor() {
    const QPalette& dialog = palette();
    QColor color = m_linkHovered ? HoverColor : LinkColor;
    // Pure blue and purple cannot be read on a dark face.
    if (ReadableColors::isDarkPalette(dialog))
        color = ReadableColors::readableOn(
            dialog.color(m_linkHovered ? QPalette::LinkVisited : QPalette::Link),
            dialog.color(QPalette::Window), ReadableColors::TextContrast);
    QPalette link = lEMail->palette();
    link.setColor(QPalette::WindowText, color);
    lEMail->setPalette(link);
}
