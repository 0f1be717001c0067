#include "working/FormWorking.h"

#include "platform/ErrorBoundary.h"
#include "platform/OuterGeometry.h"
#include "platform/WindowFont.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBrowser>
#include <QTimer>
#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

TFormWorking* FormWorking = nullptr;

namespace {

constexpr const char* kLatticeScheme = "ortalis-lattice";

}  // namespace

TFormWorking::TFormWorking(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName("FormWorking");
    setWindowTitle("Хід розв'язання");
    setFont(platform::WindowFont());
    setAttribute(Qt::WA_QuitOnClose, false);
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
    // Beside the main window, where it leaves the drawing window's usual place free.
    platform::SetOuterGeometry(*this, 40, 120, 460, 560);

    WorkingText = new QTextBrowser(this);
    WorkingText->setObjectName("WorkingText");
    WorkingText->setReadOnly(true);
    // Nothing here is ever undone, and the undo history would keep every section
    // ever written.
    WorkingText->document()->setUndoRedoEnabled(false);
    WorkingText->setOpenLinks(false);
    WorkingText->setOpenExternalLinks(false);

    WorkingCopy = new QPushButton("Копіювати", this);
    WorkingCopy->setObjectName("WorkingCopy");
    WorkingClear = new QPushButton("Очистити", this);
    WorkingClear->setObjectName("WorkingClear");

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(WorkingCopy);
    buttons->addWidget(WorkingClear);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(WorkingText, 1);
    layout->addLayout(buttons);

    using platform::OnEvent;
    OnEvent(WorkingCopy, &QPushButton::clicked, this, [this] { WorkingCopyClick(); });
    OnEvent(WorkingClear, &QPushButton::clicked, this, [this] { WorkingClearClick(); });
    connect(WorkingText, &QTextBrowser::anchorClicked, this,
            [this](const QUrl& link) { platform::RunHandler([&] { WorkingTextAnchorClick(link); }); });
}

void TFormWorking::Append(const TWorkingSection& section)
{
    const int id = nextId_++;
    sections_.push_back(section);
    ids_.push_back(id);
    starts_.push_back(Write(sections_.back(), id));
    if (sections_.size() > kKeptSections + kDroppedAtOnce) DropOldest(kDroppedAtOnce + 1);
    ScrollToNewest();
}

void TFormWorking::Rewrite()
{
    WorkingText->clear();
    starts_.clear();
    for (size_t i = 0; i < sections_.size(); ++i) starts_.push_back(Write(sections_[i], ids_[i]));
    ScrollToNewest();
}

void TFormWorking::DropOldest(size_t count)
{
    // The text up to the first kept section's heading goes; that heading takes
    // the first block's place and format.
    const int removed = starts_[count];
    QTextCursor cursor(WorkingText->document());
    cursor.setPosition(removed, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    sections_.erase(sections_.begin(), sections_.begin() + count);
    ids_.erase(ids_.begin(), ids_.begin() + count);
    starts_.erase(starts_.begin(), starts_.begin() + count);
    for (int& start : starts_) start -= removed;
}

int TFormWorking::Write(const TWorkingSection& section, int id)
{
    QTextDocument* document = WorkingText->document();
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    // Inserted HTML joins its first block, the heading, to the block the cursor
    // is in and keeps that block's format: the heading gets a block of its own,
    // set apart from the section before it.
    QTextBlockFormat heading;
    heading.setHeadingLevel(3);
    heading.setTopMargin(document->isEmpty() ? 0 : 14);
    heading.setBottomMargin(2);
    if (document->isEmpty()) cursor.setBlockFormat(heading);
    else cursor.insertBlock(heading);
    const int start = cursor.position();
    cursor.insertHtml(QString::fromStdString(SectionHtml(section, id)));
    return start;
}

void TFormWorking::ScrollToNewest()
{
    // From the newest section's own block: looking its anchor up would walk the
    // whole text, which grows with every command.
    if (ids_.empty() || !isVisible()) return;
    QTextDocument* document = WorkingText->document();
    const QTextBlock block = document->findBlock(starts_.back());
    if (!block.isValid()) return;
    const QRectF box = document->documentLayout()->blockBoundingRect(block);
    WorkingText->verticalScrollBar()->setValue(int(box.top()));
}

void TFormWorking::ShowInFront()
{
    show();
    raise();
    activateWindow();
}

void TFormWorking::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Sections added while the window was closed are laid out at the view's
    // width only once it is on screen: scroll when that is done.
    QTimer::singleShot(0, this, [this] { ScrollToNewest(); });
}

void TFormWorking::WorkingCopyClick()
{
    // The sections' own HTML rather than the view's: an editor it is pasted into
    // gets the text and its emphasis, not the view's fonts and margins.
    std::string text;
    std::string html = "<html><head><meta charset=\"utf-8\"></head><body>";
    for (size_t i = 0; i < sections_.size(); ++i) {
        if (!text.empty()) text += '\n';
        text += SectionPlainText(sections_[i]);
        html += SectionHtml(sections_[i], ids_[i], false);
    }
    html += "</body></html>";
    auto* data = new QMimeData;
    data->setText(QString::fromStdString(text));
    data->setHtml(QString::fromStdString(html));
    QApplication::clipboard()->setMimeData(data);
}

void TFormWorking::WorkingClearClick()
{
    starts_.clear();
    sections_.clear();
    ids_.clear();
    WorkingText->clear();
}

void TFormWorking::WorkingTextAnchorClick(const QUrl& link)
{
    if (link.scheme() != kLatticeScheme) return;
    bool ok = false;
    const int id = link.path().toInt(&ok);
    if (!ok) return;
    for (size_t i = 0; i < ids_.size(); ++i) {
        if (ids_[i] != id) continue;
        if (sections_[i].Lattice && ShowLattice) ShowLattice(*sections_[i].Lattice);
        return;
    }
}

void AppendWorking(const TWorkingSection& section)
{
    if (FormWorking) FormWorking->Append(section);
}
