#include "gui/clients/ledger_window.h"

#include "core/clients/client_names.h"
#include "core/foundation/clock.h"
#include "gui/mainwindow/form1.h"
#include "gui/mainwindow/twips.h"

#include <QComboBox>
#include <QEvent>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QTreeWidget>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Client area of the window, in twips; with its title bar the window is
// about as high as the 5200 twips it is placed above the main window's
// bottom.
constexpr int DesignWidth = 8700;
constexpr int DesignHeight = 4800;

const QColor Grey(0xEF, 0xEF, 0xEF); // &HEFEFEF
const QColor White(Qt::white);

// The columns of ListV1 with their widths in twips.
constexpr struct {
    const char16_t *header;
    int width;
} Columns[] = {
    {u"科目", 750}, {u"币种", 500}, {u"金额", 1500}, {u"记帐日期", 1000}, {u"备注", 4000}};

// The element with its name.
template <typename W> W *named(W *element, const QString &name)
{
    element->setObjectName(name);
    return element;
}

void setColour(QWidget *w, QPalette::ColorRole role, const QColor &colour)
{
    QPalette p = w->palette();
    p.setColor(role, colour);
    w->setPalette(p);
}

MessageIcon iconOf(ClientNotice::Icon icon)
{
    static_assert(int(ClientNotice::Icon::Critical) == int(MessageIcon::Critical));
    return MessageIcon(int(icon));
}

} // namespace

LedgerField::LedgerField(const QString &objectName, bool amountKeys, Clipboard &clipboard,
                         QWidget *parent)
    : QLineEdit(parent)
    , m_amountKeys(amountKeys)
    , m_clipboard(clipboard)
{
    setObjectName(objectName);
    if (amountKeys) {
        // Text that comes by other ways than typing or Ctrl+V is not filtered: refused.
        setContextMenuPolicy(Qt::NoContextMenu);
        setAcceptDrops(false);
    }
}

void LedgerField::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Q_EMIT entered();
        return;
    }
    if (m_amountKeys) {
        if (event->matches(QKeySequence::Paste)) {
            insert(filterAmountKeys(m_clipboard.text()));
            return;
        }
        const QString text = event->text();
        if (event->key() != Qt::Key_Backspace && !text.isEmpty() && text.front().isPrint()) {
            insert(filterAmountKeys(text));
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void LedgerField::inputMethodEvent(QInputMethodEvent *event)
{
    if (!m_amountKeys || event->commitString().isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(filterAmountKeys(event->commitString()), event->replacementStart(),
                             event->replacementLength());
    QLineEdit::inputMethodEvent(&filtered);
}

void LedgerField::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    Q_EMIT focusEntered();
}

void LedgerField::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    Q_EMIT focusLeft();
}

FrmPACC *FrmPACC::open(Form1 &form)
{
    delete form.findChild<FrmPACC *>(u"frmPACC"_s, Qt::FindDirectChildrenOnly);
    const auto path = clientLedgerPath(form.state.CurClient);
    if (!path) {
        form.services().messageBoxes.warning(u"请先选择[列表框]中的客户!"_s, u"提示："_s);
        return nullptr;
    }
    auto *window = new FrmPACC(form, *path);
    window->show();
    window->activateWindow();
    window->setFocusOnActivation();
    return window;
}

FrmPACC::FrmPACC(Form1 &form, QString ledgerPath)
    : QWidget(&form, Qt::Window)
    , f(form)
    , m_ledgerPath(std::move(ledgerPath))
{
    setObjectName(u"frmPACC"_s);
    setWindowTitle(u"帐单"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    // The main window's own colours; a window does not take them from its parent.
    setPalette(form.palette());
    setAutoFillBackground(true);
    createElements();
    placeElements();
    wireEvents();

    // Opening: the place, the currencies, the fields, the ledger.
    placeBesideMainWindow();
    const QStringList currencies = loadCurrencies(f.files());
    Combo1->addItems(currencies);
    Combo1->setCurrentText(currencies.front());
    for (QLineEdit *cleared : {Text1, Text3, Text4, Text6})
        cleared->clear();
    Text2->setText(todayKey());
    Text5->setText(todayKey());
    PACCLoad();
    Label3->setText(u"客户："_s + f.state.SelectedRowText);
    TXTBackColor();
}

void FrmPACC::createElements()
{
    Label8 = named(new QLabel(u"个人帐目表"_s, this), u"Label8"_s);
    QFont title = Label8->font();
    title.setPointSizeF(title.pointSizeF() + 4);
    title.setBold(true);
    Label8->setFont(title);
    Label3 = named(new QLabel(QString(), this), u"Label3"_s);
    Label6 = named(new QLabel(u"应付总额"_s, this), u"Label6"_s);
    Label7 = named(new QLabel(u"本次支付"_s, this), u"Label7"_s);
    Label2 = named(new QLabel(u"金额"_s, this), u"Label2"_s);
    Label4 = named(new QLabel(u"记帐日期"_s, this), u"Label4"_s);
    Label5 = named(new QLabel(u"备注"_s, this), u"Label5"_s);

    Clipboard &clipboard = f.services().clipboard;
    Text1 = new LedgerField(u"Text1"_s, true, clipboard, this);
    Text2 = new LedgerField(u"Text2"_s, true, clipboard, this);
    Text3 = new LedgerField(u"Text3"_s, false, clipboard, this);
    Combo1 = named(new QComboBox(this), u"Combo1"_s);
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Text4 = new LedgerField(u"Text4"_s, true, clipboard, this);
    Text5 = new LedgerField(u"Text5"_s, true, clipboard, this);
    Text6 = new LedgerField(u"Text6"_s, false, clipboard, this);
    QLineEdit **boxes[] = {&Text7, &Text8, &Text9, &Text10, &Text11, &Text12};
    for (int i = 0; i < 6; ++i) {
        QLineEdit *box = named(new QLineEdit(this), u"Text"_s + QString::number(i + 7));
        box->setText(u"回车确认"_s);
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::NoFocus);
        box->setAlignment(Qt::AlignCenter);
        setColour(box, QPalette::Text, QColor(0, 0, 192));
        setColour(box, QPalette::Base, QColor(255, 255, 192));
        *boxes[i] = box;
    }

    ListV1 = named(new QTreeWidget(this), u"ListV1"_s);
    ListV1->setRootIsDecorated(false);
    ListV1->setUniformRowHeights(true);
    ListV1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListV1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListV1->setAllColumnsShowFocus(true);
    ListV1->header()->setStretchLastSection(false);
    ListV1->header()->setSectionsClickable(false);
    ListV1->setColumnCount(int(std::size(Columns)));
    QStringList headers;
    for (const auto &c : Columns)
        headers.append(QString::fromUtf16(c.header));
    ListV1->setHeaderLabels(headers);
    for (int i = 0; i < int(std::size(Columns)); ++i)
        ListV1->setColumnWidth(i, Twips::toPixels(Columns[i].width));

    Label1 = new ClickLabel(u"Label1"_s, this);
    Label1->setText(u"提示：双击下表选中记录后，在上面的对应栏目中修改。"_s);
    Label1->setCursor(Qt::PointingHandCursor);
    setColour(Label1, QPalette::WindowText, QColor(0, 0, 192));
}

void FrmPACC::placeElements()
{
    using Twips::setGeometry;
    setFixedSize(Twips::size(DesignWidth, DesignHeight));
    setGeometry(Label8, 150, 100, 2300, 420);
    setGeometry(Label3, 2550, 180, 4450, 300);
    setGeometry(Combo1, 7150, 140, 1400, 330);

    // Two rows of amount, date and note; each field's "回车确认" box beside it.
    const int columnLeft[] = {1150, 3450, 5650};
    const int columnWidth[] = {1400, 1300, 2100};
    const int rowTop[] = {930, 1380};
    LedgerField *const rowFields[2][3] = {{Text1, Text2, Text3}, {Text4, Text5, Text6}};
    for (int r = 0; r < 2; ++r) {
        for (int c = 0; c < 3; ++c) {
            LedgerField *field = rowFields[r][c];
            setGeometry(field, columnLeft[c], rowTop[r], columnWidth[c], 330);
            setGeometry(confirmBox(field), columnLeft[c] + columnWidth[c] + 20, rowTop[r] + 30, 800,
                        270);
        }
    }
    setGeometry(Label2, columnLeft[0], 640, columnWidth[0], 270);
    setGeometry(Label4, columnLeft[1], 640, columnWidth[1], 270);
    setGeometry(Label5, columnLeft[2], 640, columnWidth[2], 270);
    setGeometry(Label6, 150, rowTop[0] + 30, 1000, 270);
    setGeometry(Label7, 150, rowTop[1] + 30, 1000, 270);
    setGeometry(Label1, 150, 1830, 8400, 270);
    setGeometry(ListV1, 150, 2160, 8400, 2490);
    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Text3);
    setTabOrder(Text3, Text4);
    setTabOrder(Text4, Text5);
    setTabOrder(Text5, Text6);
}

// At the bottom right of the main window: top = main top + main height -
// 5200, left = main left + main width - 8850 (in twips), kept on the screen.
void FrmPACC::placeBesideMainWindow()
{
    const QPoint mainTopLeft = f.mapToGlobal(QPoint(0, 0));
    const int top = Twips::fromPixels(mainTopLeft.y() + f.height()) - 5200;
    const int left = Twips::fromPixels(mainTopLeft.x() + f.width()) - 8850;
    QPoint at(Twips::toPixels(left), Twips::toPixels(top));
    if (const QScreen *screen = f.screen()) {
        const QRect room = screen->availableGeometry();
        at.setX(std::max(at.x(), room.left()));
        at.setY(std::max(at.y(), room.top()));
    }
    move(at);
}

void FrmPACC::wireEvents()
{
    for (LedgerField *field : fields()) {
        connect(field, &LedgerField::focusEntered, this, [this, field] { fieldEntered(field); });
    }
    connect(Text1, &LedgerField::entered, this, [this] { amountEntered(Text1, Text2); });
    connect(Text4, &LedgerField::entered, this, [this] { amountEntered(Text4, Text5); });
    connect(Text2, &LedgerField::entered, this, [this] { dateEntered(Text2, Text3); });
    connect(Text5, &LedgerField::entered, this, [this] { dateEntered(Text5, Text6); });
    connect(Text3, &LedgerField::entered, this, &FrmPACC::RefreshPAccount);
    connect(Text6, &LedgerField::entered, this, &FrmPACC::enterPayment);
    connect(Text2, &LedgerField::focusLeft, this,
            [this] { setColour(Text2, QPalette::Base, White); });
    for (LedgerField *note : {Text3, Text6}) {
        QLineEdit *box = confirmBox(note);
        connect(note, &LedgerField::focusLeft, box, &QWidget::hide);
        connect(note, &QLineEdit::textChanged, box, [box](const QString &text) {
            if (text.size() > 30)
                box->hide();
        });
    }
    connect(Combo1, &QComboBox::activated, this, &FrmPACC::currencyChosen);
    connect(ListV1, &QTreeWidget::itemDoubleClicked, this, &FrmPACC::rowDoubleClicked);
    connect(Label1, &ClickLabel::clicked, this, &FrmPACC::showPath);
}

std::array<LedgerField *, 6> FrmPACC::fields() const
{
    return {Text1, Text2, Text3, Text4, Text5, Text6};
}

QLineEdit *FrmPACC::confirmBox(const LedgerField *field) const
{
    // Text1 -> Text9, Text2 -> Text11, Text3 -> Text7, Text4 -> Text10,
    // Text5 -> Text12, Text6 -> Text8.
    QLineEdit *const boxes[] = {Text9, Text11, Text7, Text10, Text12, Text8};
    const auto all = fields();
    for (size_t i = 0; i < all.size(); ++i) {
        if (all[i] == field)
            return boxes[i];
    }
    return nullptr;
}

bool FrmPACC::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate) {
        // Coming back to the window keeps the field being typed in.
        const auto all = fields();
        if (std::find(all.begin(), all.end(), focusWidget()) == all.end())
            setFocusOnActivation();
    }
    return QWidget::event(event);
}

void FrmPACC::setFocusOnActivation()
{
    if (Text1->text().trimmed().isEmpty())
        Text1->setFocus();
    else
        Text4->setFocus();
}

QString FrmPACC::todayKey() const
{
    const QDate today = f.clock().today();
    return QString::number(today.year()) + u'-' + QString::number(today.month()) + u'-' +
           QString::number(today.day());
}

void FrmPACC::PACCLoad()
{
    LedgerLoad load = ::PACCLoad(f.files(), m_ledgerPath);
    m_table = std::move(load.table);
    m_replaceRow.reset();
    if (load.notice)
        tell(*load.notice);
    DisplayPACC();
    if (m_table.hasTotal()) {
        const LedgerRow &total = m_table.rows[1];
        Text1->setText(total.amount);
        Text2->setText(total.date);
        Text3->setText(total.note);
        Combo1->setCurrentText(total.currency);
    }
}

void FrmPACC::DisplayPACC()
{
    ListV1->clear();
    const QList<LedgerListRow> rows = ::DisplayPACC(m_table);
    for (qsizetype k = 0; k < rows.size(); ++k) {
        const LedgerListRow &r = rows[k];
        auto *item = new QTreeWidgetItem(ListV1, {r.item, r.currency, r.amount, r.date, r.note});
        if (k >= 2)
            item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    }
    // The widths in twips, widened where a text of the column would be cut off.
    for (int i = 0; i < int(std::size(Columns)) - 1; ++i) {
        ListV1->resizeColumnToContents(i);
        const int needed = ListV1->columnWidth(i);
        ListV1->setColumnWidth(i, std::max(Twips::toPixels(Columns[i].width), needed));
    }
}

void FrmPACC::TXTBackColor()
{
    for (LedgerField *field : fields()) {
        setColour(field, QPalette::Base, Grey);
        confirmBox(field)->hide();
    }
}

void FrmPACC::fieldEntered(LedgerField *field)
{
    TXTBackColor();
    setColour(field, QPalette::Base, White);
    confirmBox(field)->show();
    if (field == Text5)
        Text5->end(false);
}

void FrmPACC::refuse(LedgerField *field)
{
    setColour(field, QPalette::Text, Qt::red);
    field->setFocus();
    f.services().beeper.beep();
}

void FrmPACC::markTaken(LedgerField *field)
{
    setColour(field, QPalette::Text, palette().color(QPalette::Text));
}

void FrmPACC::amountEntered(LedgerField *amount, QLineEdit *date)
{
    const auto shown = formatAmountEntry(amount->text());
    if (!shown) {
        refuse(amount);
        return;
    }
    markTaken(amount);
    amount->setText(*shown);
    if (!shown->isEmpty())
        date->setFocus();
}

void FrmPACC::dateEntered(LedgerField *date, QLineEdit *note)
{
    if (!date->text().trimmed().isEmpty()) {
        const auto shown = formatDateEntry(date->text(), f.clock().today().year());
        if (!shown) {
            refuse(date);
            return;
        }
        date->setText(*shown);
    }
    markTaken(date);
    note->setFocus();
}

bool FrmPACC::entryTaken(LedgerEntryError error, LedgerField *amount, LedgerField *date)
{
    switch (error) {
    case LedgerEntryError::None:
        markTaken(amount);
        markTaken(date);
        return true;
    case LedgerEntryError::BadAmount:
        refuse(amount);
        break;
    case LedgerEntryError::BadDate:
        markTaken(amount);
        refuse(date);
        break;
    case LedgerEntryError::NoTotal:
        tell(ledgerEntryNotice(error));
        Text1->setFocus();
        break;
    case LedgerEntryError::NoAmount:
    case LedgerEntryError::Full:
        tell(ledgerEntryNotice(error));
        amount->setFocus();
        break;
    }
    return false;
}

bool FrmPACC::store(const LedgerTable &next)
{
    const FileResult saved = ::SavePACC(f.files(), m_ledgerPath, next);
    if (!saved) {
        tell(ledgerWriteFailedNotice(saved));
        return false;
    }
    m_table = next;
    DisplayPACC();
    return true;
}

void FrmPACC::RefreshPAccount()
{
    LedgerTable next = m_table;
    const LedgerEntryError error =
        ::RefreshPAccount(next, Combo1->currentText(),
                          {Text1->text(), Text2->text(), Text3->text()}, f.clock().today().year());
    if (!entryTaken(error, Text1, Text2) || !store(next))
        return;
    Text1->setText(m_table.rows[1].amount);
    Text2->setText(m_table.rows[1].date);
    Text4->setFocus();
}

void FrmPACC::enterPayment()
{
    // Enter in an empty payment only goes on to the payment's amount.
    if (Text4->text().trimmed().isEmpty()) {
        Text4->setFocus();
        return;
    }
    LedgerTable next = m_table;
    const LedgerEntryError error =
        ::enterPayment(next, Combo1->currentText(), {Text4->text(), Text5->text(), Text6->text()},
                       m_replaceRow, f.clock().today().year());
    if (!entryTaken(error, Text4, Text5) || !store(next))
        return;
    m_replaceRow.reset();
    // The payment fields as on opening, for the next payment.
    Text4->clear();
    Text5->setText(todayKey());
    Text6->clear();
    Text4->setFocus();
}

void FrmPACC::rowDoubleClicked(QTreeWidgetItem *item)
{
    const int row = ListV1->indexOfTopLevelItem(item);
    if (row < 1 || row > m_table.last())
        return;
    const LedgerRow &r = m_table.rows[row];
    if (row == 1) {
        Text1->setText(r.amount);
        Text2->setText(r.date);
        Text3->setText(r.note);
        Combo1->setCurrentText(r.currency);
        Text1->setFocus();
        return;
    }
    Text4->setText(r.amount);
    Text5->setText(r.date);
    Text6->setText(r.note);
    m_replaceRow = row;
    Text4->setFocus();
}

void FrmPACC::currencyChosen()
{
    Text1->setFocus();
    if (m_table.rows.size() > 1)
        m_table.rows[1].currency = Combo1->currentText();
}

void FrmPACC::showPath()
{
    f.services().messageBoxes.show({m_ledgerPath, {}, MessageIcon::None, MessageButtons::Ok, {}});
}

void FrmPACC::tell(const ClientNotice &notice)
{
    f.services().messageBoxes.show(
        {notice.text, notice.title, iconOf(notice.icon), MessageButtons::Ok, std::nullopt});
}
