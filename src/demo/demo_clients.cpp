#include "demo/demo_clients.h"

#include "core/clients/client_edit.h"
#include "core/clients/client_names.h"
#include "core/clients/client_register.h"
#include "core/foundation/record_file.h"

#include <functional>

using namespace Qt::StringLiterals;

namespace {

// Days of the month of `today`, written in the forms the search knows.
class MonthDays
{
public:
    explicit MonthDays(QDate today)
        : m_today(today)
    {}

    // Day n of the month (the last day when the month is shorter).
    QDate day(int n) const
    {
        return QDate(m_today.year(), m_today.month(), std::min(n, m_today.daysInMonth()));
    }
    QDate today() const { return m_today; }

    static QString padded(QDate d) { return d.toString(u"yyyy-MM-dd"_s); }
    static QString plain(QDate d) { return d.toString(u"yyyy-M-d"_s) + u' '; }
    static QString slashes(QDate d) { return d.toString(u"yyyy/M/d"_s) + u' '; }
    static QString wide(QDate d) { return d.toString(u"yyyy－MM－dd"_s); }

private:
    QDate m_today;
};

struct Sample {
    QString name;
    QString category;
    std::function<QString(const MonthDays &)> body;
};

QList<Sample> samples()
{
    using D = MonthDays;
    return {
        {u"青禾数码科技有限公司"_s, u"企业"_s,
         [](const D &m) -> QString {
             return u"法定代表人：周明远\r\n联系人：林小帆（法务主管）\r\n"
                    u"电子邮件：linxiaofan@example.com\r\n网址：http://www.example.com/qinghe\r\n"
                    u"案由：软件开发合同纠纷，我方为原告。\r\n开庭时间："_s +
                    D::padded(m.today()) +
                    u" 上午九时三十分，云川市高新区人民法院第三法庭。\r\n"
                    u"待办：整理交付验收记录和往来邮件。"_s;
         }},
        {u"晨光食品有限公司"_s, u"企业"_s,
         [](const D &m) -> QString {
             return u"常年法律顾问单位，合同审查每月一次。\r\n买卖合同纠纷一审已胜诉，"
                    u"对方未履行，申请强制执行。\r\n执行立案日期："_s +
                    D::plain(m.day(3)) + u"\r\n联系人：赵一鸣（财务部）"_s;
         }},
        {u"云川市城南区市场监督管理局"_s, u"行政"_s,
         [](const D &m) -> QString {
             return u"行政复议案件代理：某商户不服行政处罚决定。\r\n答辩材料提交期限："_s +
                    D::slashes(m.day(20)) +
                    u"\r\n经办人：孙立群\r\n参考：http://www.example.org/chengnan/notice"_s;
         }},
        {u"云川第三中学"_s, u"事业"_s,
         [](const D &) -> QString {
             return u"劳动争议咨询：教师聘用合同续签问题。\r\n"
                    u"已出具书面意见，等待校务会讨论结果。\r\n联系人：何老师"_s;
         }},
        {u"蓝溪助学基金会"_s, u"公益"_s,
         [](const D &m) -> QString {
             return u"章程修订和理事会决议的合规审查。\r\n理事会会议："_s + D::wide(m.day(12)) +
                    u" 下午两点\r\n秘书处邮箱：office@example.org"_s;
         }},
        {u"李晓梅"_s, u"私人"_s,
         [](const D &m) -> QString {
             return u"离婚纠纷，涉及房产分割和子女抚养。\r\n调解时间："_s + D::padded(m.day(28)) +
                    u"\r\n当事人希望调解解决，不愿公开审理。"_s;
         }},
        {u"Northwind Trading Limited"_s, u"涉外"_s,
         [](const D &m) -> QString {
             return u"Contact: Ms. Helen Grant, helen.grant@example.com\r\n"
                    u"Website: https://www.example.com/northwind\r\n"
                    u"国际货物买卖合同纠纷，仲裁地云川。\r\n仲裁开庭："_s +
                    D::plain(m.today()) + u"\r\n需要准备英文证据材料的翻译件。"_s;
         }},
        {u"王建国"_s, u"刑事"_s,
         [](const D &m) -> QString {
             return u"涉嫌职务侵占罪，审查起诉阶段，担任辩护人。\r\n会见时间："_s +
                    D::plain(m.day(8)) + u"\r\n家属联系人：王丽（女儿）"_s;
         }},
        {u"墨石文化传媒有限公司"_s, u"知识产权"_s,
         [](const D &m) -> QString {
             return u"“墨石”商标被他人抢注，已提出无效宣告请求。\r\n补充证据截止："_s +
                    D::padded(m.day(25)) +
                    u"\r\n另有两件作品著作权登记在办。\r\n联系人：钱晓（品牌部）"_s;
         }},
        {u"陈立"_s, u"其他"_s,
         [](const D &) -> QString {
             return u"个人咨询：房屋租赁押金退还问题。\r\n已电话答复，建议先书面催告。"_s;
         }},
    };
}

} // namespace

QStringList demoClientNames()
{
    QStringList names;
    for (const Sample &s : samples())
        names.append(s.name);
    return names;
}

DemoClientResult writeDemoClients(const DriveMap &drives, QDate today, bool overwrite)
{
    DemoClientResult result;
    const RecordFile files(drives);
    if (files.exists(clientsRegisterPath()) && !overwrite) {
        result.kept = true;
        return result;
    }
    const MonthDays month(today);
    // Each sample as typed: the name, Enter, the text, Enter twice; the
    // register is read again after each save, as the window does.
    ClientReg reg;
    QTime time(9, 0);
    for (const Sample &s : samples()) {
        const QString pane = s.name + u"\r\n"_s + s.body(month);
        NamePick pick;
        int quoteToggle = 0;
        NamePickUp(pane, pick, quoteToggle);
        const QString name = ValidFileName(pick.PickedName).name;
        const EditRecord record =
            stageEditRecord(name, pane, s.category, QDateTime(today, time), quoteToggle);
        const SaveEditResult saved = SaveEdit(files, reg, record);
        if (!saved.saved()) {
            result.failure = saved.notice ? saved.notice->text : u"客户档案没有存盘: "_s + name;
            return result;
        }
        ++result.written;
        const ClientsLoad load = LoadClients(files);
        reg = load.reg;
        time = time.addSecs(7 * 60);
    }
    return result;
}
