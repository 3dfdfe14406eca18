#include "window_fixture.h"

#include "core/clients/client_names.h"
#include "core/clients/ledger.h"
#include "gui/clients/ledger_window.h"
#include "support/failing_writes.h"

#include <QHeaderView>
#include <QInputMethodEvent>

namespace {

const QString Register = u"c:\\program files\\quorix\\clients\\clients.txt"_s;
const QString Ledger = u"c:\\program files\\quorix\\clients\\甲公司\\PACC.txt"_s;

Record entry(const QString &amount, const QString &date, const QString &note)
{
    return {u"人民币"_s, amount, date, note, QString()};
}

// A total of 1000.00 and payments of 300.00 and 200.50.
QList<Record> exampleLedger()
{
    return {entry(u"0.00"_s, {}, {}), entry(u"1000.00"_s, u"2026-11-02"_s, u"代理费"_s),
            entry(u"300.00"_s, u"2026-11-10"_s, u"首期"_s),
            entry(u"200.50"_s, u"2026-12-01"_s, u"二期"_s)};
}

} // namespace

class LedgerWindowTest : public WindowTest
{
protected:
    // The register holds 甲公司 and 乙局; the ledger of 甲公司, when given, is written.
    void startWith(const std::optional<QList<Record>> &ledger)
    {
        writeErrNoList();
        tree.writeRecords(
            Register, {{u"甲公司"_s, u"2026-11-01 09:00:00"_s, u"企业"_s, u"甲公司\r\n合同纠纷"_s},
                       {u"乙局"_s, u"2026-11-01 09:00:00"_s, u"行政"_s, u"乙局\r\n复议"_s}});
        if (ledger)
            tree.writeRecords(Ledger, *ledger);
        start();
    }
    // Selects 甲公司 in the list, opens the attachments and clicks 帐单.
    FrmPACC *openLedger()
    {
        clickRow(int(listRows().indexOf(u"甲公司"_s)));
        click(form->Image8);
        EXPECT_TRUE(form->Frame2->isVisible());
        return clickAccount();
    }
    FrmPACC *clickAccount()
    {
        click(form->lbACC);
        QApplication::processEvents();
        const QList<FrmPACC *> open = form->findChildren<FrmPACC *>(u"frmPACC"_s);
        EXPECT_EQ(open.size(), 1);
        return open.value(0);
    }
    static QStringList column(const FrmPACC *w, int c)
    {
        QStringList texts;
        for (int i = 0; i < w->ListV1->topLevelItemCount(); ++i)
            texts.append(w->ListV1->topLevelItem(i)->text(c));
        return texts;
    }
    static void enter(QWidget *w) { QTest::keyClick(w, Qt::Key_Return); }
    static void retype(QLineEdit *w, const QString &text)
    {
        w->setFocus();
        w->clear();
        type(w, text);
    }
    LedgerTable stored() const { return PACCLoad(tree.files(), Ledger).table; }
    static bool red(const QLineEdit *w) { return w->palette().color(QPalette::Text) == Qt::red; }
};

TEST_F(LedgerWindowTest, OpensForTheSelectedClientWithTheLedgerAndItsElements)
{
    tree.writeRecords(currenciesPath(), {{u"人民币"_s}, {u"美元"_s}, {u"欧元"_s}});
    startWith(exampleLedger());
    FrmPACC *w = openLedger();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), u"帐单"_s);
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(w->isModal());
    EXPECT_EQ(w->ledgerPath(), *clientLedgerPath(u"甲公司"_s));

    const struct {
        const char16_t *name;
        const char16_t *text;
    } captions[] = {{u"Label8", u"个人帐目表"},
                    {u"Label3", u"客户：甲公司"},
                    {u"Label6", u"应付总额"},
                    {u"Label7", u"本次支付"},
                    {u"Label2", u"金额"},
                    {u"Label4", u"记帐日期"},
                    {u"Label5", u"备注"},
                    {u"Label1", u"提示：双击下表选中记录后，在上面的对应栏目中修改。"}};
    for (const auto &c : captions) {
        const auto *label = w->findChild<QLabel *>(QString::fromUtf16(c.name));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), QString::fromUtf16(c.text));
    }
    for (int n = 7; n <= 12; ++n) {
        const auto *box = w->findChild<QLineEdit *>(u"Text"_s + QString::number(n));
        ASSERT_NE(box, nullptr) << n;
        EXPECT_EQ(box->text(), u"回车确认"_s);
    }

    // The columns with their widths in twips (no narrower), and the rows.
    const QStringList headers = {u"科目"_s, u"币种"_s, u"金额"_s, u"记帐日期"_s, u"备注"_s};
    const int widths[] = {750, 500, 1500, 1000, 4000};
    ASSERT_EQ(w->ListV1->columnCount(), 5);
    for (int c = 0; c < 5; ++c) {
        EXPECT_EQ(w->ListV1->headerItem()->text(c), headers[c]);
        EXPECT_GE(w->ListV1->columnWidth(c), Twips::toPixels(widths[c])) << c;
    }
    EXPECT_EQ(w->ListV1->columnWidth(4), Twips::toPixels(4000));
    EXPECT_EQ(column(w, 0), (QStringList{u"应付余额"_s, u"应付总额"_s, u"已付款"_s, u"已付款"_s}));
    EXPECT_EQ(column(w, 2), (QStringList{u"499.50"_s, u"1000.00"_s, u"           300.00"_s,
                                         u"           200.50"_s}));
    EXPECT_EQ(column(w, 4), (QStringList{u""_s, u"代理费"_s, u"首期"_s, u"二期"_s}));

    // The total in its fields, today in the payment's date, the currencies.
    EXPECT_EQ(w->Text1->text(), u"1000.00"_s);
    EXPECT_EQ(w->Text2->text(), u"2026-11-02"_s);
    EXPECT_EQ(w->Text3->text(), u"代理费"_s);
    EXPECT_TRUE(w->Text4->text().isEmpty());
    EXPECT_EQ(w->Text5->text(), u"2026-12-10"_s);
    EXPECT_EQ(w->Combo1->currentText(), u"人民币"_s);
    EXPECT_EQ(w->Combo1->count(), 3);
    // Text1 holds an amount: the payment is next.
    EXPECT_TRUE(w->Text4->hasFocus());
    EXPECT_TRUE(w->Text10->isVisible());
    EXPECT_FALSE(w->Text9->isVisible());

    // At the bottom right of the main window, or as near as the screen allows.
    const QPoint main = form->mapToGlobal(QPoint(0, 0));
    const QRect room = w->screen()->availableGeometry();
    EXPECT_EQ(
        w->pos().y(),
        std::max(room.top(), Twips::toPixels(Twips::fromPixels(main.y() + form->height()) - 5200)));
    EXPECT_EQ(
        w->pos().x(),
        std::max(room.left(), Twips::toPixels(Twips::fromPixels(main.x() + form->width()) - 8850)));

    // Clicking 帐单 again replaces the window by a new one.
    const QPointer<FrmPACC> first(w);
    FrmPACC *again = clickAccount();
    EXPECT_TRUE(first.isNull());
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->ListV1->topLevelItemCount(), 4);

    // The hint shows where the ledger is kept.
    fakes.messageBoxes.calls.clear();
    click(again->Label1);
    ASSERT_EQ(fakes.messageBoxes.calls.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.calls[0].text, Ledger);
}

TEST_F(LedgerWindowTest, ANewLedgerIsCreatedEmptyAndTheTotalStored)
{
    startWith(std::nullopt);
    FrmPACC *w = openLedger();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(tree.files().exists(Ledger));
    EXPECT_EQ(w->ListV1->topLevelItemCount(), 0);
    EXPECT_TRUE(w->Text1->text().isEmpty());
    EXPECT_EQ(w->Text2->text(), u"2026-12-10"_s);
    // Without currencies.txt: renminbi.
    EXPECT_EQ(w->Combo1->currentText(), u"人民币"_s);
    EXPECT_EQ(w->Combo1->count(), 1);
    EXPECT_TRUE(w->Text1->hasFocus());

    // Amount Enter: two decimals and on to the date; 0 empties the field.
    const struct {
        QString typed;
        QString shown;
        bool onToTheDate;
    } amounts[] = {{u"12.5"_s, u"12.50"_s, true},
                   {u"7"_s, u"7.00"_s, true},
                   {u"0"_s, u""_s, false},
                   {u"3.456"_s, u"3.45"_s, true}};
    for (const auto &a : amounts) {
        retype(w->Text1, a.typed);
        enter(w->Text1);
        EXPECT_EQ(w->Text1->text(), a.shown) << a.typed.toStdString();
        EXPECT_EQ(w->Text2->hasFocus(), a.onToTheDate) << a.typed.toStdString();
    }

    retype(w->Text1, u"1000"_s);
    enter(w->Text1);
    enter(w->Text2);
    EXPECT_EQ(w->Text2->text(), u"2026-12-10"_s);
    EXPECT_TRUE(w->Text3->hasFocus());
    type(w->Text3, u"代理费"_s);
    enter(w->Text3);
    EXPECT_TRUE(w->Text4->hasFocus());
    const LedgerTable t = stored();
    ASSERT_EQ(t.rows.size(), 2);
    EXPECT_EQ(t.rows[1], (LedgerRow{u"人民币"_s, u"1000.00"_s, u"2026-12-10"_s, u"代理费"_s, {}}));
    EXPECT_EQ(column(w, 0), (QStringList{u"应付余额"_s, u"应付总额"_s}));
    EXPECT_EQ(column(w, 2), (QStringList{u"1000.00"_s, u"1000.00"_s}));
}

TEST_F(LedgerWindowTest, AmountAndDateFieldsTakeOnlyDigitsAndTheFullWidthKeys)
{
    startWith(std::nullopt);
    FrmPACC *w = openLedger();
    ASSERT_NE(w, nullptr);
    const struct {
        QLineEdit *field;
        QString typed;
        QString entered;
    } cases[] = {
        {w->Text1, u"1-2"_s, u"12"_s},     // ASCII minus is discarded
        {w->Text1, u"３.５"_s, u"3.5"_s},  // full-width digits become ASCII
        {w->Text1, u"a9b中"_s, u"9"_s},    // letters and other characters are discarded
        {w->Text4, u"－８＋"_s, u"-8+"_s}, // full-width minus and plus
        {w->Text5, u"2026．１．2"_s, u"2026.1.2"_s},
        {w->Text3, u"a-b 中"_s, u"a-b 中"_s}, // a note takes anything
    };
    for (const auto &c : cases) {
        retype(c.field, c.typed);
        EXPECT_EQ(c.field->text(), c.entered) << c.typed.toStdString();
    }
    // Backspace is kept.
    QTest::keyClick(w->Text5, Qt::Key_Backspace);
    EXPECT_EQ(w->Text5->text(), u"2026.1."_s);
    // An input method's commit is filtered the same way.
    w->Text4->clear();
    QInputMethodEvent commit;
    commit.setCommitString(u"２ａ０．５"_s);
    QApplication::sendEvent(w->Text4, &commit);
    EXPECT_EQ(w->Text4->text(), u"20.5"_s);
    // So is a paste.
    fakes.clipboard.content = u"1,234.5元"_s;
    w->Text4->clear();
    QTest::keySequence(w->Text4, QKeySequence::Paste);
    EXPECT_EQ(w->Text4->text(), u"1234.5"_s);
}

TEST_F(LedgerWindowTest, APaymentIsStoredAndShownWithTheNewBalance)
{
    startWith(exampleLedger());
    FrmPACC *w = openLedger();
    ASSERT_NE(w, nullptr);
    retype(w->Text4, u"300"_s);
    enter(w->Text4);
    EXPECT_EQ(w->Text4->text(), u"300.00"_s);
    EXPECT_TRUE(w->Text5->hasFocus());
    retype(w->Text5, u"2026.12.9"_s);
    enter(w->Text5);
    EXPECT_EQ(w->Text5->text(), u"2026-12-09"_s);
    EXPECT_TRUE(w->Text6->hasFocus());
    type(w->Text6, u"三期"_s);
    enter(w->Text6);

    const LedgerTable t = stored();
    ASSERT_EQ(t.rows.size(), 5);
    EXPECT_EQ(t.rows[4], (LedgerRow{u"人民币"_s, u"300.00"_s, u"2026-12-09"_s, u"三期"_s, {}}));
    EXPECT_EQ(t.rows[0].amount, u"199.50"_s);
    EXPECT_EQ(column(w, 2).value(0), u"199.50"_s);
    EXPECT_EQ(column(w, 2).value(4), u"           300.00"_s);
    // The payment fields are ready for the next one.
    EXPECT_TRUE(w->Text4->text().isEmpty());
    EXPECT_TRUE(w->Text6->text().isEmpty());
    EXPECT_EQ(w->Text5->text(), u"2026-12-10"_s);
    EXPECT_TRUE(w->Text4->hasFocus());
    // Enter in an empty payment stores nothing.
    const QByteArray before = tree.readBytes(Ledger);
    w->Text6->setFocus();
    enter(w->Text6);
    EXPECT_EQ(tree.readBytes(Ledger), before);

    // Opened again, the window shows the payment and the balance.
    w->close();
    FrmPACC *again = clickAccount();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(column(again, 2), (QStringList{u"199.50"_s, u"1000.00"_s, u"           300.00"_s,
                                             u"           200.50"_s, u"           300.00"_s}));
    EXPECT_EQ(column(again, 4).value(4), u"三期"_s);
}

TEST_F(LedgerWindowTest, ADoubleClickedPaymentIsReplaced)
{
    startWith(exampleLedger());
    FrmPACC *w = openLedger();
    ASSERT_NE(w, nullptr);
    QApplication::processEvents();
    QTreeWidgetItem *row = w->ListV1->topLevelItem(3);
    const QRect r = w->ListV1->visualItemRect(row);
    // A double click: press and release, then the second press.
    QTest::mouseClick(w->ListV1->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(w->ListV1->viewport(), Qt::LeftButton, {}, r.center());
    EXPECT_EQ(w->replacedRow(), 3);
    EXPECT_EQ(w->Text4->text(), u"200.50"_s);
    EXPECT_EQ(w->Text5->text(), u"2026-12-01"_s);
    EXPECT_EQ(w->Text6->text(), u"二期"_s);

    retype(w->Text4, u"250"_s);
    enter(w->Text4);
    enter(w->Text5);
    type(w->Text6, u"改"_s);
    enter(w->Text6);
    const LedgerTable t = stored();
    ASSERT_EQ(t.rows.size(), 4);
    EXPECT_EQ(t.rows[3], (LedgerRow{u"人民币"_s, u"250.00"_s, u"2026-12-01"_s, u"二期改"_s, {}}));
    EXPECT_EQ(t.rows[0].amount, u"450.00"_s);
    EXPECT_EQ(column(w, 2).value(0), u"450.00"_s);
    EXPECT_FALSE(w->replacedRow());

    // The next payment is appended again.
    retype(w->Text4, u"50"_s);
    w->Text6->setFocus();
    enter(w->Text6);
    EXPECT_EQ(stored().rows.size(), 5);
    EXPECT_EQ(stored().rows[0].amount, u"400.00"_s);
}

TEST_F(LedgerWindowTest, ABadDateStaysRedWithABeep)
{
    startWith(exampleLedger());
    FrmPACC *w = openLedger();
    ASSERT_NE(w, nullptr);
    for (LedgerField *date : {w->Text2, w->Text5}) {
        const int beeps = fakes.beeper.beeps;
        retype(date, u"2026.13.45"_s);
        enter(date);
        EXPECT_TRUE(red(date)) << date->objectName().toStdString();
        EXPECT_TRUE(date->hasFocus());
        EXPECT_EQ(date->text(), u"2026.13.45"_s);
        EXPECT_EQ(fakes.beeper.beeps, beeps + 1);

        retype(date, u"20261205"_s);
        enter(date);
        EXPECT_FALSE(red(date));
        EXPECT_EQ(date->text(), u"2026-12-05"_s);
        EXPECT_FALSE(date->hasFocus());
    }
    // A payment whose date was never confirmed is refused the same way.
    retype(w->Text4, u"10"_s);
    retype(w->Text5, u"2026.2.30"_s);
    w->Text6->setFocus();
    enter(w->Text6);
    EXPECT_TRUE(red(w->Text5));
    EXPECT_TRUE(w->Text5->hasFocus());
    EXPECT_EQ(stored().rows.size(), 4);
}

TEST_F(LedgerWindowTest, WhatCannotBeStoredIsKeptInTheFields)
{
    startWith(exampleLedger());
    FrmPACC *w = openLedger();
    ASSERT_NE(w, nullptr);
    const QByteArray before = tree.readBytes(Ledger);
    fakes.messageBoxes.calls.clear();
    retype(w->Text4, u"88"_s);
    retype(w->Text6, u"退回"_s);
    withFileSizeLimit(16, [&] {
        enter(w->Text6);
        return FileResult::success();
    });
    ASSERT_EQ(fakes.messageBoxes.calls.size(), 1u);
    EXPECT_TRUE(fakes.messageBoxes.calls[0].text.startsWith(u"帐单未能存盘："_s));
    EXPECT_EQ(fakes.messageBoxes.calls[0].icon, MessageIcon::Critical);
    EXPECT_EQ(tree.readBytes(Ledger), before);
    EXPECT_EQ(w->Text4->text(), u"88"_s);
    EXPECT_EQ(w->Text6->text(), u"退回"_s);
    EXPECT_EQ(w->ListV1->topLevelItemCount(), 4);
    EXPECT_EQ(w->table().rows.size(), 4);

    // The same Enter once the disk has room stores it.
    enter(w->Text6);
    EXPECT_EQ(stored().rows.size(), 5);
}

TEST_F(LedgerWindowTest, APaymentNeedsATotalFirst)
{
    startWith(std::nullopt);
    FrmPACC *w = openLedger();
    ASSERT_NE(w, nullptr);
    fakes.messageBoxes.calls.clear();
    retype(w->Text4, u"100"_s);
    w->Text6->setFocus();
    enter(w->Text6);
    ASSERT_EQ(fakes.messageBoxes.calls.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.calls[0].text, ledgerEntryNotice(LedgerEntryError::NoTotal).text);
    EXPECT_TRUE(w->Text1->hasFocus());
    EXPECT_EQ(w->Text4->text(), u"100"_s);
    EXPECT_TRUE(tree.readBytes(Ledger).isEmpty());
}

TEST_F(LedgerWindowTest, TheFocusedFieldIsWhiteWithItsConfirmBox)
{
    startWith(std::nullopt);
    FrmPACC *w = openLedger();
    ASSERT_NE(w, nullptr);
    const struct {
        LedgerField *field;
        QLineEdit *box;
    } pairs[] = {{w->Text1, w->Text9},  {w->Text2, w->Text11}, {w->Text3, w->Text7},
                 {w->Text4, w->Text10}, {w->Text5, w->Text12}, {w->Text6, w->Text8}};
    for (const auto &p : pairs) {
        p.field->setFocus();
        QApplication::processEvents();
        for (const auto &other : pairs) {
            const bool focused = other.field == p.field;
            EXPECT_EQ(other.box->isVisible(), focused) << other.box->objectName().toStdString();
            EXPECT_EQ(other.field->palette().color(QPalette::Base),
                      focused ? QColor(Qt::white) : QColor(0xEF, 0xEF, 0xEF))
                << other.field->objectName().toStdString();
        }
    }
    // Text5 puts its caret at the end.
    EXPECT_EQ(w->Text5->cursorPosition(), w->Text5->text().size());
    // A note longer than 30 characters hides its box; so does leaving the note.
    w->Text3->setFocus();
    type(w->Text3, QString(30, u'注'));
    EXPECT_TRUE(w->Text7->isVisible());
    type(w->Text3, u"长"_s);
    EXPECT_FALSE(w->Text7->isVisible());
    w->Text6->setFocus();
    EXPECT_TRUE(w->Text8->isVisible());
    w->Text4->setFocus();
    EXPECT_FALSE(w->Text8->isVisible());
}

TEST_F(LedgerWindowTest, TheChosenCurrencyGoesToEveryRowWithTheTotal)
{
    tree.writeRecords(currenciesPath(), {{u"人民币"_s}, {u"美元"_s}});
    startWith(exampleLedger());
    FrmPACC *w = openLedger();
    ASSERT_NE(w, nullptr);
    w->Combo1->setCurrentIndex(1);
    Q_EMIT w->Combo1->activated(1);
    EXPECT_TRUE(w->Text1->hasFocus());
    EXPECT_EQ(w->table().rows[1].currency, u"美元"_s);
    w->Text3->setFocus();
    enter(w->Text3);
    const LedgerTable t = stored();
    ASSERT_EQ(t.rows.size(), 4);
    for (const LedgerRow &r : t.rows)
        EXPECT_EQ(r.currency, u"美元"_s);
    EXPECT_EQ(column(w, 1), QStringList(4, u"美元"_s));
}

TEST_F(LedgerWindowTest, WithoutAClientNothingOpens)
{
    startWith(std::nullopt);
    fakes.messageBoxes.calls.clear();
    EXPECT_EQ(FrmPACC::open(*form), nullptr);
    ASSERT_EQ(fakes.messageBoxes.calls.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.calls[0].title, u"提示："_s);
    EXPECT_TRUE(form->findChildren<FrmPACC *>().isEmpty());
}
