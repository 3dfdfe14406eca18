#include "core/help/help_list.h"
#include "support/install_tree.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QList<HelpHint> Table = {
    {u"[类别1] 客户档案的第一类"_s, u"1"_s}, {u"[类别1] 第一类, 在档案和号码簿中"_s, u"13"_s},
    {u"[类别10] 全部"_s, u"123"_s},          {u"附件列表框: 客户的附件"_s, u"1"_s},
    {u"列表框: 记录列表"_s, u"123"_s},       {u"[版本说明]"_s, u"123"_s},
};

} // namespace

TEST(HelpList, TheFirstHintOfTheTopicInTheModule)
{
    const struct {
        QString topic;
        int module;
        std::optional<QString> hint;
    } cases[] = {
        {u"[类别1]"_s, 1, u"[类别1] 客户档案的第一类"_s},
        {u"[类别1]"_s, 3, u"[类别1] 第一类, 在档案和号码簿中"_s},
        // "13" holds neither 2 nor anything like it.
        {u"[类别1]"_s, 2, std::nullopt},
        // "[类别10]" does not contain "[类别1]".
        {u"[类别10]"_s, 2, u"[类别10] 全部"_s},
        {u"列表框"_s, 1, u"附件列表框: 客户的附件"_s},
        {u"列表框"_s, 2, u"列表框: 记录列表"_s},
        {u"版本说明"_s, 2, u"[版本说明]"_s},
        // An empty topic: the first hint of the module.
        {QString(), 2, u"[类别10] 全部"_s},
        {u"帐单"_s, 1, std::nullopt},
    };
    for (const auto &c : cases) {
        const std::optional<HelpHint> found = hintFor(Table, c.topic, c.module);
        EXPECT_EQ(found ? std::optional<QString>(found->hint) : std::nullopt, c.hint)
            << c.topic.toStdString() << " in module " << c.module;
    }
}

TEST(HelpList, TheRecordOfAShownHintIsMatchedExactly)
{
    EXPECT_EQ(hintRecord(Table, u"[类别10] 全部", 3), (HelpHint{u"[类别10] 全部"_s, u"123"_s}));
    EXPECT_EQ(hintRecord(Table, u"[类别10]", 3), std::nullopt);
    EXPECT_EQ(hintRecord(Table, u"[类别1] 第一类, 在档案和号码簿中", 2), std::nullopt);
    EXPECT_TRUE(hasVersionNotes(Table));
    EXPECT_FALSE(hasVersionNotes({{u"[版本说明] 新功能"_s, u"123"_s}}));
}

TEST(HelpList, HelpTextFilesAreNamedByHintAndModules)
{
    EXPECT_EQ(helpTextPath({u"[类别1] 第一类"_s, u"13"_s}),
              u"c:\\program files\\quorix\\help\\[类别1] 第一类13.txt"_s);
    EXPECT_EQ(versionNotesPath(), u"c:\\program files\\quorix\\help\\[版本说明]123.txt"_s);
    // A hint that would lead out of the help folder names no file.
    for (const HelpHint &record : QList<HelpHint>{{u"..\\..\\clients\\clients"_s, u"1"_s},
                                                  {u"../x"_s, u"1"_s},
                                                  {u"d:x"_s, u"1"_s},
                                                  {u"x"_s, u"1\\..\\y"_s}})
        EXPECT_EQ(helpTextPath(record), QString()) << record.hint.toStdString();
}

TEST(HelpList, ReadsTheTableFromItsFile)
{
    InstallTree tree;
    EXPECT_EQ(readHelpList(tree.files()), std::nullopt);

    tree.writeRecords(u"c:\\program files\\quorix\\HELP\\HelpList.txt"_s,
                      {{u"主关键词, 逗号在内"_s, u"13"_s}, {u"页号"_s, u"123"_s}});
    EXPECT_EQ(readHelpList(tree.files()),
              (QList<HelpHint>{{u"主关键词, 逗号在内"_s, u"13"_s}, {u"页号"_s, u"123"_s}}));

    // A last record cut short is left out; an empty table is a table.
    tree.writeBytes(helpListPath(), "\"a\",\"1\"\r\n\"b\"\r\n");
    EXPECT_EQ(readHelpList(tree.files()), (QList<HelpHint>{{u"a"_s, u"1"_s}}));
    tree.writeBytes(helpListPath(), {});
    EXPECT_EQ(readHelpList(tree.files()), QList<HelpHint>{});
}
