#include "core/help/help_list.h"
#include "core/help/rtf_reader.h"
#include "demo/demo_help.h"
#include "support/install_tree.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The controls that ask for a hint, by topic word, and the modules where
// each is there to be pointed at.
const struct {
    const char16_t *topic;
    const char16_t *modules;
} Topics[] = {
    {u"正文检索", u"2"},    {u"声效", u"123"},     {u"帮助", u"123"},     {u"日历", u"1"},
    {u"附件列表框", u"1"},  {u"退出", u"123"},     {u"上一模块", u"123"}, {u"下一模块", u"123"},
    {u"Email发送", u"123"}, {u"功能特色", u"123"}, {u"照片", u"1"},       {u"打印", u"123"},
    {u"打开附件夹", u"1"},  {u"备份", u"1"},       {u"恢复", u"1"},       {u"收藏", u"2"},
    {u"删除记录", u"12"},   {u"编辑", u"12"},      {u"粘贴", u"123"},     {u"删除附件", u"1"},
    {u"复制", u"123"},      {u"添加附件", u"1"},   {u"下一页", u"123"},   {u"上一页", u"123"},
    {u"关闭附件夹", u"1"},  {u"列表框", u"123"},   {u"正文框", u"12"},    {u"主关键词", u"123"},
    {u"辅关键词", u"12"},   {u"Email拣出", u"12"}, {u"URL", u"2"},        {u"日程", u"1"},
    {u"年度", u"2"},        {u"帐单", u"123"},     {u"版本说明", u"123"}, {u"页号", u"123"},
};

// What the category buttons are called in each module.
const char16_t *const Categories[3][10] = {
    {u"企业", u"行政", u"事业", u"公益", u"私人", u"涉外", u"刑事", u"知识产权", u"其他", u"全部"},
    {u"全国人大", u"中央国务院", u"高法高检", u"部委协会", u"省市地方", u"涉外", u"范本", u"案例",
     u"其他", u"全部"},
    {u"电话区号", u"求助电话", u"邮政编码", u"常用网站", u"法律机构", u"政府机构", u"旅行服务",
     u"备用", u"其他", u"全部"},
};

QString helpText(const RecordFile &files, const QString &path)
{
    const std::optional<QByteArray> bytes = files.readAll(path);
    EXPECT_TRUE(bytes.has_value()) << path.toStdString();
    return bytes ? plainText(readHelpText(*bytes)) : QString();
}

class DemoHelpTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const DemoHelpResult r = writeDemoHelp(tree.drives(), false);
        ASSERT_TRUE(r.ok()) << r.failure.toStdString();
        const std::optional<QList<HelpHint>> read = readHelpList(tree.files());
        ASSERT_TRUE(read.has_value());
        table = *read;
        ASSERT_EQ(r.hints, table.size());
        ASSERT_EQ(r.written, table.size() + 1);
    }
    InstallTree tree;
    QList<HelpHint> table;
};

} // namespace

TEST_F(DemoHelpTest, EveryControlFindsItsOwnHintInEachModuleWhereItIs)
{
    for (const auto &t : Topics) {
        const QString topic = QString::fromUtf16(t.topic);
        for (const QChar module : QStringView(t.modules)) {
            const std::optional<HelpHint> hint = hintFor(table, topic, module.digitValue());
            ASSERT_TRUE(hint.has_value())
                << topic.toStdString() << " in module " << module.digitValue();
            // Its own hint, not another control's that mentions the word.
            EXPECT_TRUE(hint->hint.startsWith(topic)) << hint->hint.toStdString();
        }
    }
}

TEST_F(DemoHelpTest, TheCategoryButtonsHaveTheHintOfTheirCaptionInEachModule)
{
    for (int module = 1; module <= 3; ++module) {
        for (int n = 1; n <= 10; ++n) {
            const QString topic = u"[类别"_s + QString::number(n) + u']';
            const std::optional<HelpHint> hint = hintFor(table, topic, module);
            ASSERT_TRUE(hint.has_value()) << topic.toStdString() << " in module " << module;
            EXPECT_TRUE(hint->hint.startsWith(topic)) << hint->hint.toStdString();
            EXPECT_TRUE(hint->hint.contains(QStringView(Categories[module - 1][n - 1])))
                << hint->hint.toStdString() << " in module " << module;
        }
    }
}

TEST_F(DemoHelpTest, EveryHintHasAHelpTextThatReadsBack)
{
    const RecordFile files = tree.files();
    for (const HelpHint &record : table) {
        const QString path = helpTextPath(record);
        ASSERT_FALSE(path.isEmpty()) << record.hint.toStdString();
        const std::optional<QByteArray> bytes = files.readAll(path);
        ASSERT_TRUE(bytes.has_value()) << path.toStdString();
        const QList<RichTextRun> runs = readHelpText(*bytes);
        ASSERT_GE(runs.size(), 2) << path.toStdString();
        // A red heading, then the explanation in paragraphs.
        EXPECT_EQ(runs.front().colour, 0xFF0000u);
        const QStringList paragraphs = plainText(runs).split(u'\n');
        EXPECT_GE(paragraphs.size(), 2) << path.toStdString();
        EXPECT_GE(plainText(runs).size(), 40) << path.toStdString();
    }
}

TEST_F(DemoHelpTest, HintsNameFilesAndFitTheHintBox)
{
    for (const HelpHint &record : table) {
        for (const QChar c : u"\\/:*?\"<>|")
            EXPECT_FALSE(record.hint.contains(c)) << record.hint.toStdString();
        // 180 twips a character beside a control of the 14800-twip window.
        EXPECT_LE(record.hint.size(), 24) << record.hint.toStdString();
        EXPECT_FALSE(record.modules.isEmpty());
        for (const QChar m : record.modules)
            EXPECT_TRUE(m == u'1' || m == u'2' || m == u'3') << record.modules.toStdString();
    }
}

TEST_F(DemoHelpTest, TheVersionNotesTellEachModule)
{
    EXPECT_TRUE(hasVersionNotes(table));
    EXPECT_TRUE(table.contains(HelpHint{u"[版本说明]"_s, u"123"_s}));
    const QString notes = helpText(tree.files(), versionNotesPath());
    for (const QString &module : {u"《档案管理》"_s, u"《法律法规》"_s, u"《电邮号码》"_s})
        EXPECT_TRUE(notes.contains(module)) << module.toStdString();
}

TEST_F(DemoHelpTest, FilesThereAreKeptUnlessOverwritten)
{
    const QString someHelp = helpTextPath(table.front());
    tree.writeBytes(someHelp, "mine");
    tree.writeRecords(helpListPath(), {{u"我的提示"_s, u"1"_s}});
    const auto before = tree.snapshot();
    const DemoHelpResult kept = writeDemoHelp(tree.drives(), false);
    ASSERT_TRUE(kept.ok());
    EXPECT_EQ(kept.written, 0);
    EXPECT_EQ(kept.hints, 0);
    EXPECT_EQ(tree.snapshot(), before);

    const DemoHelpResult again = writeDemoHelp(tree.drives(), true);
    ASSERT_TRUE(again.ok());
    EXPECT_EQ(again.kept, 0);
    EXPECT_EQ(readHelpList(tree.files()), table);
    EXPECT_NE(tree.readBytes(someHelp), QByteArray("mine"));
}
