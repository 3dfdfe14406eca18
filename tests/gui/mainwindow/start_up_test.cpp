#include "window_fixture.h"

#include "core/foundation/record_file.h"
#include "gui/mainwindow/record_list.h"

#include <QDateEdit>

TEST_F(WindowTest, StartsInTheClientArchive)
{
    writeErrNoList();
    start();
    EXPECT_EQ(form->lbPageNo->caption(), u"1"_s);
    EXPECT_EQ(element<QLabel>(u"Label20"_s)->text(), u"《档案管理》"_s);
    EXPECT_EQ(form->txtProgress->text(), u"1"_s);
    EXPECT_EQ(form->Progress->caption(), u"1"_s);
    EXPECT_TRUE(highlighted(10));
    EXPECT_EQ(form->state.Category, 10);
    EXPECT_EQ(form->state.CurCategoryName, u"其他"_s);
    EXPECT_EQ(form->Label40->caption(), u"3"_s);
    EXPECT_EQ(form->state.InstallDir.toString(), u"c:\\program files\\quorix\\"_s);
    EXPECT_EQ(form->state.ModuleDir.toString(), u"c:\\program files\\quorix\\clients\\"_s);
    EXPECT_EQ(form->state.CalendarFile, u"c:\\Program files\\quorix\\calendar.txt"_s);
    EXPECT_EQ(fakes.beeper.beeps, 1);
    EXPECT_TRUE(fakes.messageBoxes.calls.empty());
    EXPECT_FALSE(form->Drive1->isVisible());
    EXPECT_FALSE(form->Check1->isVisible());
    EXPECT_TRUE(form->DTPicker1->isVisible());
    EXPECT_FALSE(form->Combo1->isVisible());
    // Without a sound switch file the sounds are on.
    EXPECT_TRUE(form->Check2->isChecked());
}

TEST_F(WindowTest, MissingReminderRecordIsMadeWithTodayAndTheDatePickerEnabled)
{
    writeErrNoList();
    start();
    const auto reader =
        tree.files().openForReading(u"c:\\program files\\quorix\\clients\\remind.txt"_s);
    ASSERT_TRUE(reader);
    const auto record = RecordReader(reader->bytes()).readRecord();
    ASSERT_TRUE(record);
    ASSERT_EQ(record->size(), 2);
    EXPECT_EQ((*record)[0].toText(), u"0"_s);
    EXPECT_EQ((*record)[1].toText(), u"2026-12-10"_s);
    EXPECT_EQ(form->DTPicker1->date(), QDate(2026, 12, 10));
    EXPECT_TRUE(form->DTPicker1->isEnabled());
    EXPECT_EQ(form->label14->caption(), u"日  程  浏  览"_s);
}

TEST_F(WindowTest, SoundSwitchFileAndReminderFlagAreRead)
{
    writeErrNoList();
    tree.writeRecords(u"c:\\program files\\quorix\\sounds\\soundeffects.txt"_s, {{qint64(0)}});
    tree.writeRecords(u"c:\\program files\\quorix\\clients\\remind.txt"_s,
                      {{u"1"_s, u"2027-1-5"_s}});
    start();
    EXPECT_FALSE(form->Check2->isChecked());
    EXPECT_EQ(form->state.ReminderFlag, 1);
    EXPECT_EQ(form->DTPicker1->date(), QDate(2027, 1, 5));
    EXPECT_FALSE(form->DTPicker1->isEnabled());
    EXPECT_EQ(form->label14->caption(), u"  提          醒"_s);
}

TEST_F(WindowTest, MissingSpecialCharacterTableWarnsAtActivation)
{
    start();
    ASSERT_EQ(fakes.messageBoxes.calls.size(), 1u);
    const MessageRequest &m = fakes.messageBoxes.calls[0];
    EXPECT_EQ(m.text, u"缺少特殊字符检查表!\r\n在正文内查找词时可能出错!"_s);
    EXPECT_EQ(m.title, u"警告"_s);
    EXPECT_EQ(m.icon, MessageIcon::Warning);
}

TEST_F(WindowTest, ALaterActivationReturnsToTheClientArchive)
{
    writeErrNoList();
    start();
    nextModule();
    ASSERT_EQ(form->module(), 2);
    form->activate();
    EXPECT_EQ(form->module(), 1);
    EXPECT_EQ(element<QLabel>(u"Label20"_s)->text(), u"《档案管理》"_s);
    // In the client archive it repeats only the rest of the activation.
    const int beeps = fakes.beeper.beeps;
    form->activate();
    EXPECT_EQ(form->module(), 1);
    EXPECT_EQ(fakes.beeper.beeps, beeps + 1);
}

TEST_F(WindowTest, EveryNamedElementExists)
{
    writeErrNoList();
    start();
    const QStringList names = {
        u"lbPageNo"_s,     u"Label20"_s,         u"Progress"_s,     u"txtProgress"_s, u"Label35"_s,
        u"TotalRecords"_s, u"RelevantRecords"_s, u"Label30"_s,      u"Picture3"_s,    u"Label40"_s,
        u"Combo1"_s,       u"DTPicker1"_s,       u"label14"_s,      u"Image1"_s,      u"Image2"_s,
        u"Image3"_s,       u"Image4"_s,          u"Image5"_s,       u"Image7"_s,      u"Image9"_s,
        u"Image10"_s,      u"Image11"_s,         u"Image12"_s,      u"Image13"_s,     u"Image14"_s,
        u"Image15"_s,      u"Image16"_s,         u"Image19"_s,      u"Image20"_s,     u"Image21"_s,
        u"Label1"_s,       u"Label2"_s,          u"Label3"_s,       u"Label15"_s,     u"Label21"_s,
        u"Label25"_s,      u"Label27"_s,         u"Label16"_s,      u"Label17"_s,     u"Label18"_s,
        u"Label19"_s,      u"Text1"_s,           u"Text2"_s,        u"Text3"_s,       u"Text4"_s,
        u"Text5"_s,        u"Text10"_s,          u"Check1"_s,       u"Check2"_s,      u"Label22"_s,
        u"Label24"_s,      u"Label26"_s,         u"Label32"_s,      u"Label33"_s,     u"Label34"_s,
        u"Label36"_s,      u"List1"_s,           u"RichTextBox1"_s, u"Picture1"_s,    u"Frame2"_s,
        u"Image6"_s,       u"Label28"_s,         u"Label39"_s,      u"lbVer"_s,       u"ListErr"_s,
        u"Drive1"_s};
    for (const QString &name : names)
        element(name);
    for (int n = 4; n <= 13; ++n)
        element(u"Label"_s + QString::number(n));
    EXPECT_EQ(element<QLabel>(u"Label22"_s)->text(), u"全部记录:"_s);
    EXPECT_EQ(element<QLabel>(u"Label24"_s)->text(), u"相关记录:"_s);
    EXPECT_EQ(element<QLabel>(u"Label26"_s)->text(), u"第           页"_s);
    EXPECT_EQ(element<QLabel>(u"Label32"_s)->text(), u"共         页"_s);
    EXPECT_EQ(element<QLabel>(u"Label33"_s)->text(), u">>>"_s);
    EXPECT_EQ(element<QLabel>(u"Label34"_s)->text(), u"<<<"_s);
    EXPECT_EQ(element<QLabel>(u"Label18"_s)->text(), u"多个词用空格分开"_s);
    EXPECT_EQ(element<QCheckBox>(u"Check1"_s)->text(), u"正文检索"_s);
}
