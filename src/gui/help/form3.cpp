#include "gui/help/form3.h"

#include "gui/help/help_module.h"
#include "gui/mainwindow/form1.h"
#include "gui/mainwindow/twips.h"

#include <QEvent>
#include <QTextCursor>
#include <QTextEdit>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// A window's outer frame (its title and borders included) in twips.
QRect frameTwips(const QWidget *window)
{
    const QRect r = window->frameGeometry();
    return QRect(Twips::fromPixels(r.x()), Twips::fromPixels(r.y()), Twips::fromPixels(r.width()),
                 Twips::fromPixels(r.height()));
}

} // namespace

Form3::Form3(Form1 &main)
    : QWidget(&main, Qt::Window)
    , m_main(main)
{
    setObjectName(u"Form3"_s);
    setWindowTitle(u"帮助(双击展开)"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setAutoFillBackground(true);
    RichTextBox1 = new QTextEdit(this);
    RichTextBox1->setObjectName(u"RichTextBox1"_s);
    RichTextBox1->setReadOnly(true);
    RichTextBox1->setFrameShape(QFrame::NoFrame);
    QFont font = RichTextBox1->font();
    font.setFamilies({u"宋体"_s, u"Noto Serif CJK SC"_s, u"Noto Sans CJK SC"_s});
    font.setPointSizeF(10.5);
    RichTextBox1->setFont(font);
    RichTextBox1->viewport()->installEventFilter(this);
    placeWindow(0, 0, DesignWidth, DesignHeight);
}

bool Form3::activate()
{
    const RecordFile &files = m_main.files();
    const QString &file = m_main.help().HelpFile;
    std::optional<QByteArray> bytes;
    if (!file.isEmpty() && files.exists(file))
        bytes = files.readAll(file);
    if (bytes) {
        showRuns(RichTextBox1, readHelpText(*bytes));
        // The text box takes the hint box's background; so does the margin
        // the window keeps around it.
        const QColor background = m_main.help().hintBackground();
        for (QWidget *w : {static_cast<QWidget *>(this), static_cast<QWidget *>(RichTextBox1)}) {
            QPalette p = w->palette();
            p.setColor(QPalette::Base, background);
            p.setColor(QPalette::Window, background);
            w->setPalette(p);
        }
    } else {
        hide();
    }
    const QRect frame = frameTwips(m_main.window());
    placeWindow(frame.x() + 3500, frame.y() + 2200, DesignWidth, DesignHeight);
    return bytes.has_value();
}

void Form3::enlarge()
{
    const QRect frame = frameTwips(m_main.window());
    const int width = frame.width() - 600;
    const int height = frame.height() - 3000;
    if (width <= 0 || height <= 0)
        return; // a frame too small to enlarge into
    placeWindow(frame.x() + 300, frameTwips(this).y(), width, height);
}

void Form3::placeWindow(int left, int top, int width, int height)
{
    m_placed = QRect(left, top, width, height);
    applyPlacement();
}

void Form3::applyPlacement()
{
    // The window's own area is its frame less the title and borders, which
    // are known once the window exists on the screen.
    const QSize decoration = frameGeometry().size() - geometry().size();
    move(Twips::toPixels(m_placed.x()), Twips::toPixels(m_placed.y()));
    resize(std::max(1, Twips::toPixels(m_placed.width()) - decoration.width()),
           std::max(1, Twips::toPixels(m_placed.height()) - decoration.height()));
    fitTextBox();
}

void Form3::fitTextBox()
{
    const QRect outer = frameTwips(this);
    // Within the window's own area, whatever its title and borders take.
    const int width = std::clamp(outer.width() - 215, 0, Twips::fromPixels(this->width()));
    const int height = std::clamp(outer.height() - 400, 0, Twips::fromPixels(this->height()));
    Twips::setGeometry(RichTextBox1, 0, 0, width, height);
}

void Form3::showRuns(QTextEdit *box, const QList<RichTextRun> &runs)
{
    box->clear();
    QTextCursor cursor(box->document());
    for (const RichTextRun &run : runs) {
        QTextCharFormat format;
        format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(run.italic);
        if (run.colour)
            format.setForeground(QColor::fromRgb(*run.colour));
        cursor.insertText(run.text, format);
    }
    box->moveCursor(QTextCursor::Start);
}

void Form3::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Placed before it was shown, the window had no frame yet.
    applyPlacement();
}

void Form3::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fitTextBox();
}

bool Form3::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == RichTextBox1->viewport() && event->type() == QEvent::MouseButtonDblClick)
        enlarge();
    return QWidget::eventFilter(watched, event);
}
