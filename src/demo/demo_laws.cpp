#include "demo/demo_laws.h"

#include "core/foundation/atomic_file.h"
#include "core/foundation/gbk.h"
#include "core/foundation/install_paths.h"
#include "core/foundation/record_file.h"
#include "core/foundation/record_writer.h"
#include "core/lawdb/digit_code.h"
#include "core/lawdb/law_import.h"
#include "core/lawdb/law_index.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <random>

using namespace Qt::StringLiterals;

namespace {

// The undated texts the program examines: entries 1 to 9999.
constexpr int NoDateLimit = 9999;

// ---------------------------------------------------------------------------
// Randomness: one engine per content file, seeded from the seed and the
// file's year and month, so each file comes out the same on every run. The
// draws are made here (not with the library's distributions, whose results
// may differ between library versions).

class Random
{
public:
    Random(quint64 seed, quint32 a, quint32 b)
    {
        std::seed_seq s{quint32(seed), quint32(seed >> 32), a, b};
        m_engine.seed(s);
    }
    int below(int n) { return int(m_engine() % quint64(n)); }
    int between(int low, int high) { return low + below(high - low + 1); }
    bool chance(double p) { return double(m_engine() >> 11) * 0x1.0p-53 < p; }
    template <std::size_t N> QStringView pick(const QStringView (&list)[N])
    {
        return list[below(int(N))];
    }

private:
    std::mt19937_64 m_engine;
};

// ---------------------------------------------------------------------------
// Word lists. Places and bodies are real names; every title made of them is
// invented.

constexpr QStringView Subjects[] = {u"道路交通安全",
                                    u"食品安全",
                                    u"安全生产",
                                    u"环境保护",
                                    u"大气污染防治",
                                    u"水污染防治",
                                    u"土地管理",
                                    u"城乡规划",
                                    u"建筑市场",
                                    u"房地产开发经营",
                                    u"物业管理",
                                    u"消费者权益保护",
                                    u"产品质量",
                                    u"价格管理",
                                    u"税收征收管理",
                                    u"增值税",
                                    u"企业所得税",
                                    u"个人所得税",
                                    u"社会保险",
                                    u"劳动合同管理",
                                    u"工伤保险",
                                    u"最低工资",
                                    u"义务教育",
                                    u"职业教育",
                                    u"医疗机构管理",
                                    u"药品管理",
                                    u"档案管理",
                                    u"统计",
                                    u"审计",
                                    u"政府采购",
                                    u"招标投标",
                                    u"行政许可",
                                    u"行政处罚",
                                    u"行政复议",
                                    u"国家赔偿",
                                    u"律师执业",
                                    u"公证",
                                    u"法律援助",
                                    u"人民调解",
                                    u"知识产权保护",
                                    u"专利",
                                    u"商标",
                                    u"著作权",
                                    u"网络安全",
                                    u"电子商务",
                                    u"个人信息保护",
                                    u"数据安全",
                                    u"科学技术进步",
                                    u"中小企业促进",
                                    u"农村土地承包",
                                    u"森林防火",
                                    u"野生动物保护",
                                    u"文物保护",
                                    u"旅游市场",
                                    u"出租汽车管理",
                                    u"市容和环境卫生",
                                    u"IC卡管理",
                                    u"ISO 9001质量认证",
                                    u"移动互联网App管理",
                                    u"GPS车载终端",
                                    u"住房公积金",
                                    u"残疾人就业",
                                    u"未成年人保护",
                                    u"妇女权益保障",
                                    u"老年人权益保障",
                                    u"慈善事业",
                                    u"烟花爆竹安全管理",
                                    u"殡葬管理",
                                    u"信访工作",
                                    u"公共文化服务",
                                    u"预算管理"};

constexpr QStringView ForeignSubjects[] = {
    u"外商投资企业",   u"中外合资经营企业", u"外国律师事务所驻华代表机构",
    u"对外贸易",       u"外汇管理",         u"境外投资",
    u"进出口商品检验", u"涉外民事关系",     u"国际货物运输代理",
    u"港澳投资企业",   u"外国人入境出境",   u"世界贸易组织（WTO）规则",
    u"外资金融机构",   u"对外承包工程",     u"台湾同胞投资"};

constexpr QStringView Actions[] = {u"加强", u"进一步加强", u"规范", u"做好", u"深化",
                                   u"推进", u"完善",       u"改进", u"开展", u"促进"};

constexpr QStringView RegulationTypes[] = {u"管理办法", u"实施办法", u"暂行规定", u"实施细则",
                                           u"管理规定", u"办法",     u"规定"};

constexpr QStringView Ministries[] = {u"财政部",
                                      u"国家税务总局",
                                      u"商务部",
                                      u"教育部",
                                      u"公安部",
                                      u"司法部",
                                      u"民政部",
                                      u"人力资源和社会保障部",
                                      u"自然资源部",
                                      u"生态环境部",
                                      u"住房和城乡建设部",
                                      u"交通运输部",
                                      u"水利部",
                                      u"农业农村部",
                                      u"文化和旅游部",
                                      u"国家卫生健康委员会",
                                      u"中国人民银行",
                                      u"海关总署",
                                      u"国家市场监督管理总局",
                                      u"国家知识产权局",
                                      u"中国证券监督管理委员会",
                                      u"中国银行保险监督管理委员会",
                                      u"国家发展和改革委员会",
                                      u"工业和信息化部",
                                      u"国家外汇管理局",
                                      u"中华全国律师协会",
                                      u"国家版权局",
                                      u"国家统计局",
                                      u"国家林业和草原局",
                                      u"国家工商行政管理总局"};

constexpr QStringView Provinces[] = {
    u"北京市",          u"天津市",     u"上海市",         u"重庆市",   u"河北省", u"山西省",
    u"内蒙古自治区",    u"辽宁省",     u"吉林省",         u"黑龙江省", u"江苏省", u"浙江省",
    u"安徽省",          u"福建省",     u"江西省",         u"山东省",   u"河南省", u"湖北省",
    u"湖南省",          u"广东省",     u"广西壮族自治区", u"海南省",   u"四川省", u"贵州省",
    u"云南省",          u"西藏自治区", u"陕西省",         u"甘肃省",   u"青海省", u"宁夏回族自治区",
    u"新疆维吾尔自治区"};

constexpr QStringView Cities[] = {u"深圳市", u"广州市",   u"杭州市", u"南京市", u"武汉市",
                                  u"成都市", u"西安市",   u"厦门市", u"青岛市", u"大连市",
                                  u"宁波市", u"苏州市",   u"沈阳市", u"长沙市", u"郑州市",
                                  u"济南市", u"哈尔滨市", u"昆明市", u"福州市", u"合肥市"};

constexpr QStringView ProvinceDepartments[] = {u"发展和改革委员会",
                                               u"财政厅",
                                               u"公安厅",
                                               u"教育厅",
                                               u"住房和城乡建设厅",
                                               u"市场监督管理局",
                                               u"人力资源和社会保障厅",
                                               u"生态环境厅",
                                               u"司法厅",
                                               u"地方税务局",
                                               u"工商行政管理局"};

constexpr QStringView CityDepartments[] = {u"发展和改革委员会",
                                           u"财政局",
                                           u"公安局",
                                           u"教育局",
                                           u"住房和城乡建设局",
                                           u"市场监督管理局",
                                           u"人力资源和社会保障局",
                                           u"生态环境局",
                                           u"司法局",
                                           u"工商行政管理局"};

constexpr QStringView OtherBodies[] = {
    u"中华全国总工会", u"中华全国妇女联合会",   u"中国残疾人联合会",      u"中国红十字会总会",
    u"中国法学会",     u"中华全国工商业联合会", u"中国共产主义青年团中央"};

constexpr QStringView CaseSubjects[] = {
    u"房屋买卖合同",     u"民间借贷",     u"劳动争议", u"机动车交通事故责任",
    u"商标权侵权",       u"著作权权属",   u"离婚",     u"继承",
    u"建设工程施工合同", u"股权转让",     u"保险合同", u"物业服务合同",
    u"房屋租赁合同",     u"医疗损害责任", u"产品责任", u"名誉权"};

constexpr QStringView ForeignCaseSubjects[] = {u"涉外借款合同", u"国际货物买卖合同",
                                               u"中外合资经营合同", u"涉外商标权侵权"};

constexpr QStringView Crimes[] = {
    u"故意伤害", u"盗窃", u"诈骗", u"合同诈骗", u"非法吸收公众存款", u"交通肇事",
    u"职务侵占", u"受贿", u"贪污", u"非法经营", u"走私普通货物"};

constexpr QStringView ContractSubjects[] = {u"房屋租赁",     u"商品房买卖",
                                            u"建设工程施工", u"建设工程监理",
                                            u"劳动",         u"技术转让",
                                            u"技术开发",     u"借款",
                                            u"货物运输",     u"物业服务",
                                            u"旅游",         u"家庭居室装饰装修",
                                            u"汽车买卖",     u"农村土地承包经营权流转",
                                            u"委托代理",     u"仓储",
                                            u"保管",         u"赠与",
                                            u"设备租赁"};

constexpr QStringView Surnames[] = {u"张", u"王", u"李", u"赵", u"刘", u"陈", u"杨", u"黄",
                                    u"周", u"吴", u"徐", u"孙", u"马", u"朱", u"胡", u"郭"};

constexpr QStringView CompanyWords[] = {u"华信", u"宏达", u"恒远", u"金桥", u"鼎盛",
                                        u"安泰", u"新元", u"联创", u"瑞丰", u"永兴"};

constexpr QStringView Industries[] = {u"实业", u"贸易", u"建设工程", u"置业",
                                      u"科技", u"物流", u"投资",     u"房地产开发"};

constexpr QStringView Parties[] = {u"生产经营单位", u"用人单位",   u"经营者",      u"建设单位",
                                   u"医疗机构",     u"金融机构",   u"律师事务所",  u"行业协会",
                                   u"物业服务企业", u"网络运营者", u"中介服务机构"};

constexpr QStringView Authorities[] = {u"县级以上人民政府有关主管部门",
                                       u"市场监督管理部门",
                                       u"税务机关",
                                       u"公安机关",
                                       u"司法行政部门",
                                       u"卫生健康主管部门",
                                       u"住房和城乡建设主管部门",
                                       u"生态环境主管部门",
                                       u"人力资源社会保障行政部门",
                                       u"教育行政部门",
                                       u"交通运输主管部门"};

constexpr QStringView Licences[] = {u"许可证",   u"执业证书", u"营业执照",
                                    u"资质证书", u"登记证明", u"备案证明"};

constexpr QStringView Materials[] = {
    u"相关技术资料", u"场所使用证明", u"财务状况说明", u"管理制度文本", u"专业人员名单及其资格证明",
    u"安全评价报告"};

constexpr QStringView Principles[] = {u"遵循诚实信用原则", u"坚持公开、公平、公正的原则",
                                      u"坚持安全第一、预防为主", u"坚持依法行政",
                                      u"坚持统筹规划、分步实施"};

constexpr QStringView Latin[] = {u"参照ISO 9001质量管理体系标准建立内部管理制度",
                                 u"按照iso 14001环境管理体系的要求开展自查",
                                 u"鼓励采用Iso 27001信息安全管理体系",
                                 u"推广使用IC卡办理缴费业务",
                                 u"已发放的ic卡继续有效",
                                 u"通过App、网站等方式公开办事指南",
                                 u"不得利用APP违规收集个人信息",
                                 u"遵守WTO规则和我国作出的对外承诺",
                                 u"对照wto有关协定进行合规审查",
                                 u"按照Wto透明度原则及时公布有关措施",
                                 u"当地CPI涨幅超过规定幅度的，启动价格临时干预措施",
                                 u"PM2.5年均浓度应当逐年下降",
                                 u"通过Internet向社会公布检查结果",
                                 u"接入INTERNET的计算机信息系统应当落实安全保护措施"};

constexpr QStringView SitePrefixes[] = {u"shuiwu",   u"jiaotong", u"huanbao", u"laodong",
                                        u"jiaoyu",   u"gongan",   u"sifa",    u"minzheng",
                                        u"caizheng", u"shangwu",  u"zhujian", u"shichang"};

constexpr QStringView SitePaths[] = {u"", u"zwgk/", u"xxgk/index.html", u"bsfw/", u"fgwj/list.htm"};

constexpr QStringView MailUsers[] = {u"service", u"xinfang", u"bangong",
                                     u"fagui",   u"Info",    u"Admin"};

constexpr QStringView ChineseDigits = u"零一二三四五六七八九";

QString chineseNumber(int n)
{
    const auto digit = [](int d) { return ChineseDigits.mid(d, 1).toString(); };
    if (n < 10)
        return digit(n);
    if (n < 20)
        return u"十"_s + (n % 10 ? digit(n % 10) : QString());
    if (n < 100)
        return digit(n / 10) + u"十"_s + (n % 10 ? digit(n % 10) : QString());
    const int rest = n % 100;
    QString out = digit(n / 100) + u"百"_s;
    if (rest == 0)
        return out;
    if (rest < 10)
        return out + u"零"_s + digit(rest);
    return out + digit(rest / 10) + u"十"_s + (rest % 10 ? digit(rest % 10) : QString());
}

QString chineseDate(QDate d)
{
    return QString::number(d.year()) + u'年' + QString::number(d.month()) + u'月' +
           QString::number(d.day()) + u'日';
}

// ---------------------------------------------------------------------------
// One document

enum class Kind { National, StateCouncil, Court, Ministry, Local, Other, Contract, Case };

struct Doc {
    QString title;
    QString issuer;
    QString date; // yyyy-mm-dd or 0000-00-00
    QString inForce;
    QString validity;
    QString body;
};

class DocumentMaker
{
public:
    DocumentMaker(Random &random)
        : r(random)
    {}

    Doc make(Kind kind, QDate date)
    {
        Doc doc;
        foreign = r.chance(kind == Kind::Contract || kind == Kind::Case ? 0.03 : 0.055);
        for (int attempt = 0;; ++attempt) {
            makeTitle(kind, doc);
            if ((doc.title.size() >= 10 && doc.title.size() <= 40) || attempt == 12)
                break;
        }
        doc.date = date.isValid() ? date.toString(u"yyyy-MM-dd"_s) : u"0000-00-00"_s;
        doc.inForce =
            date.isValid()
                ? date.addDays(r.chance(0.6) ? 0 : r.between(1, 180)).toString(u"yyyy-MM-dd"_s)
                : u"0000-00-00"_s;
        doc.validity = validity(date);
        makeBody(kind, date, doc);
        return doc;
    }

private:
    // A subject for the title; the body is about the same one.
    QStringView subject()
    {
        topic = foreign ? r.pick(ForeignSubjects) : r.pick(Subjects);
        return topic;
    }
    QStringView place() { return r.chance(0.6) ? r.pick(Provinces) : r.pick(Cities); }
    QString company()
    {
        return r.pick(Cities).chopped(1) + r.pick(CompanyWords) + r.pick(Industries) +
               u"有限公司"_s;
    }
    QString person() { return r.pick(Surnames) + u"某"_s; }

    void makeTitle(Kind kind, Doc &d)
    {
        switch (kind) {
        case Kind::National:
            d.issuer = r.chance(0.8) ? u"全国人民代表大会常务委员会"_s : u"全国人民代表大会"_s;
            switch (r.below(4)) {
            case 0:
                d.title = u"中华人民共和国"_s + subject() + u"法"_s;
                break;
            case 1:
                d.title = u"全国人民代表大会常务委员会关于修改《中华人民共和国"_s + subject() +
                          u"法》的决定"_s;
                break;
            case 2:
                d.title = u"中华人民共和国"_s + subject() + u"法修正案"_s;
                break;
            default:
                d.title = u"全国人民代表大会常务委员会关于"_s + r.pick(Actions) + subject() +
                          u"工作的决定"_s;
            }
            return;
        case Kind::StateCouncil:
            switch (r.below(6)) {
            case 0:
                d.issuer = u"国务院"_s;
                d.title = u"中华人民共和国"_s + subject() + u"条例"_s;
                break;
            case 1:
                d.issuer = u"国务院"_s;
                d.title = u"国务院关于"_s + r.pick(Actions) + subject() + u"工作的通知"_s;
                break;
            case 2:
                d.issuer = u"国务院办公厅"_s;
                d.title = u"国务院办公厅关于"_s + r.pick(Actions) + subject() + u"的意见"_s;
                break;
            case 3:
                d.issuer = u"国务院办公厅"_s;
                d.title = u"国务院办公厅转发"_s + r.pick(Ministries) + u"关于"_s + r.pick(Actions) +
                          subject() + u"意见的通知"_s;
                break;
            case 4:
                d.issuer = u"中共中央、国务院"_s;
                d.title = u"中共中央、国务院关于"_s + r.pick(Actions) + subject() + u"的决定"_s;
                break;
            default:
                d.issuer = u"国务院"_s;
                d.title = u"国务院关于修改《"_s + subject() + u"条例》的决定"_s;
            }
            return;
        case Kind::Court:
            switch (r.below(5)) {
            case 0:
                d.issuer = u"最高人民法院"_s;
                d.title = u"最高人民法院关于审理"_s +
                          (foreign ? r.pick(ForeignCaseSubjects) : r.pick(CaseSubjects)) +
                          u"纠纷案件适用法律若干问题的解释"_s;
                break;
            case 1:
                d.issuer = u"最高人民法院"_s;
                d.title = u"最高人民法院关于"_s + subject() + u"案件"_s +
                          QStringView(r.chance(0.5) ? u"如何适用法律问题" : u"管辖问题") +
                          u"的批复"_s;
                break;
            case 2:
                d.issuer = u"最高人民检察院"_s;
                d.title =
                    u"最高人民检察院关于"_s + r.pick(Crimes) + u"犯罪案件立案追诉标准的规定"_s;
                break;
            case 3:
                d.issuer = u"最高人民法院、最高人民检察院"_s;
                d.title = u"最高人民法院、最高人民检察院关于办理"_s + r.pick(Crimes) +
                          u"刑事案件适用法律若干问题的解释"_s;
                break;
            default:
                d.issuer = u"最高人民法院"_s;
                d.title = u"最高人民法院印发《关于"_s + r.pick(Actions) + subject() +
                          u"审判工作的意见》的通知"_s;
            }
            return;
        case Kind::Ministry: {
            const QStringView m = r.pick(Ministries);
            d.issuer = m.toString();
            switch (r.below(6)) {
            case 0:
                d.title = m + u"关于"_s + r.pick(Actions) + subject() + u"工作的通知"_s;
                break;
            case 1:
                d.title = subject() + r.pick(RegulationTypes);
                break;
            case 2:
                d.title = m + u"关于印发《"_s + subject() + r.pick(RegulationTypes) + u"》的通知"_s;
                break;
            case 3:
                d.title = m + u"关于"_s + subject() + u"有关问题的批复"_s;
                break;
            case 4: {
                QStringView other = r.pick(Ministries);
                if (other == m)
                    other = u"财政部";
                d.issuer = m + u"、"_s + other;
                d.title = d.issuer + u"关于"_s + r.pick(Actions) + subject() + u"的通知"_s;
                break;
            }
            default:
                d.title = u"关于"_s + subject() + u"若干问题的规定"_s;
            }
            return;
        }
        case Kind::Local: {
            const bool province = r.chance(0.6);
            const QStringView p = province ? r.pick(Provinces) : r.pick(Cities);
            switch (r.below(6)) {
            case 0:
                d.issuer = p + u"人民代表大会常务委员会"_s;
                d.title = p + subject() + u"条例"_s;
                break;
            case 1:
                d.issuer = p + u"人民政府"_s;
                d.title = p + subject() + r.pick(RegulationTypes);
                break;
            case 2:
                d.issuer = p + u"人民政府"_s;
                d.title = p + u"人民政府关于"_s + r.pick(Actions) + subject() + u"工作的通知"_s;
                break;
            case 3:
                d.issuer = p + u"人民代表大会常务委员会"_s;
                d.title = p + u"实施《中华人民共和国"_s + subject() + u"法》办法"_s;
                break;
            case 4:
                d.issuer = p + u"人民政府办公厅"_s;
                d.title = p + u"人民政府办公厅关于"_s + r.pick(Actions) + subject() + u"的意见"_s;
                break;
            default:
                d.issuer = p + (province ? r.pick(ProvinceDepartments) : r.pick(CityDepartments));
                d.title = d.issuer + u"关于"_s + subject() + u"有关问题的通知"_s;
            }
            return;
        }
        case Kind::Other: {
            d.issuer = r.pick(OtherBodies).toString();
            if (r.chance(0.5))
                d.title = d.issuer + u"关于"_s + r.pick(Actions) + subject() + u"工作的通知"_s;
            else
                d.title = d.issuer + subject() + u"工作规则"_s;
            return;
        }
        case Kind::Contract: {
            const QStringView s = foreign ? u"国际货物买卖" : r.pick(ContractSubjects);
            topic = s;
            // A local model text names its place in the title.
            const bool local = r.chance(0.5);
            const QStringView p = place();
            const QString where = local ? p.toString() : QString();
            switch (r.below(4)) {
            case 0:
                d.title = where + s + u"合同（示范文本）"_s;
                break;
            case 1:
                d.title = p + s + u"合同"_s;
                break;
            case 2:
                d.title = where + s + u"合同范本"_s;
                break;
            default:
                d.title =
                    where + s + u"合同（"_s + QString::number(r.between(1995, 2020)) + u"年版）"_s;
            }
            if (local) {
                d.issuer = p + QStringView(r.chance(0.5) ? u"工商行政管理局" : u"住房和城乡建设局");
                return;
            }
            switch (r.below(3)) {
            case 0:
                d.issuer = u"国家工商行政管理总局"_s;
                break;
            case 1:
                d.issuer = u"住房和城乡建设部"_s;
                break;
            default:
                d.issuer = u"国家工商行政管理总局、住房和城乡建设部"_s;
            }
            return;
        }
        case Kind::Case: {
            const QStringView cs = foreign ? r.pick(ForeignCaseSubjects) : r.pick(CaseSubjects);
            switch (r.below(5)) {
            case 0:
                d.title = person() + u"诉"_s + person() + cs + u"纠纷案"_s;
                break;
            case 1:
                d.title = company() + u"与"_s + company() + cs + u"纠纷案"_s;
                break;
            case 2:
                d.title = u"被告人"_s + person() + r.pick(Crimes) + u"案"_s;
                break;
            case 3:
                d.title = person() + u"与"_s + company() + cs + u"纠纷一审民事判决书"_s;
                break;
            default:
                d.title = company() + u"诉"_s + r.pick(Cities) + r.pick(CityDepartments) +
                          u"行政处罚案"_s;
            }
            if (r.chance(0.2))
                d.issuer = u"最高人民法院"_s;
            else if (r.chance(0.5))
                d.issuer = r.pick(Cities) + u"中级人民法院"_s;
            else
                d.issuer = r.pick(Provinces) + u"高级人民法院"_s;
            return;
        }
        }
    }

    QString validity(QDate date)
    {
        const int year = date.isValid() ? date.year() : 2005;
        const double lapsed = 0.04 + 0.35 * std::max(0, 2000 - year) / 51.0;
        if (r.chance(lapsed))
            return u"失效"_s;
        if (r.chance(0.04))
            return u"已被修正"_s;
        if (r.chance(0.025))
            return u"部分失效"_s;
        if (r.chance(0.02))
            return u"已被废止"_s;
        return u"有效"_s;
    }

    // ---- bodies --------------------------------------------------------

    void add(QStringView text)
    {
        body += text;
        for (QChar c : text)
            bytes += c.unicode() < 0x80 ? 1 : 2;
    }
    void line(const QString &text)
    {
        if (!body.isEmpty())
            add(u"\r\n");
        add(text);
    }

    QString sentence(QStringView kindWord, QStringView s)
    {
        switch (r.below(12)) {
        case 0:
            return u"本"_s + kindWord + u"适用于本行政区域内的"_s + s + u"活动。"_s;
        case 1:
            return r.pick(Authorities) + u"负责本行政区域内的"_s + s +
                   u"工作，其他有关部门在各自职责范围内做好相关工作。"_s;
        case 2:
            return u"从事"_s + s + u"活动，应当遵守法律、法规，"_s + r.pick(Principles) +
                   u"，接受政府和社会公众的监督。"_s;
        case 3:
            return r.pick(Parties) + u"应当建立健全"_s + s +
                   u"管理制度，明确责任人员，定期开展检查，发现问题及时整改。"_s;
        case 4:
            return u"申请"_s + r.pick(Licences) + u"的，应当向"_s + r.pick(Authorities) +
                   u"提交下列材料：（一）申请书；（二）"_s + r.pick(Materials) +
                   u"；（三）法律、法规规定的其他材料。"_s;
        case 5:
            return r.pick(Authorities) + u"应当自受理申请之日起"_s +
                   chineseNumber(5 * r.between(3, 12)) +
                   u"日内作出决定；不予批准的，应当书面说明理由。"_s;
        case 6: {
            const int low = 1000 * r.between(1, 50);
            return u"违反本"_s + kindWord + u"第"_s + chineseNumber(r.between(2, 30)) +
                   u"条规定的，由"_s + r.pick(Authorities) + u"责令限期改正，处"_s +
                   QString::number(low) + u"元以上"_s + QString::number(low * 5) +
                   u"元以下的罚款；情节严重的，依法吊销"_s + r.pick(Licences) + u"。"_s;
        }
        case 7:
            return u"国家鼓励"_s + r.pick(Parties) + u"采用先进技术和管理方法，提高"_s + s +
                   u"水平。"_s;
        case 8:
            return u"任何单位和个人对违反本"_s + kindWord + u"的行为，有权向"_s +
                   r.pick(Authorities) + u"举报，接到举报的部门应当及时依法处理。"_s;
        case 9:
            return r.pick(Authorities) + u"及其工作人员在"_s + s +
                   u"工作中玩忽职守、滥用职权、徇私舞弊的，依法给予处分；构成犯罪的，"
                   u"依法追究刑事责任。"_s;
        case 10:
            return r.pick(Latin) + u"。"_s;
        default:
            return r.pick(Parties) + u"应当按照规定向"_s + r.pick(Authorities) +
                   u"报送有关情况，如实提供资料，不得隐瞒或者拒绝。"_s;
        }
    }

    QString webAddress()
    {
        const QStringView site = r.pick(SitePrefixes);
        const QStringView path = r.pick(SitePaths);
        switch (r.below(6)) {
        case 0:
            return u"http://www."_s + site + u".example.gov.cn/"_s + path;
        case 1:
            return u"https://www."_s + site + u".example.gov.cn/"_s + path;
        case 2:
            return u"HTTP://WWW."_s + site.toString().toUpper() + u".EXAMPLE.GOV.CN/"_s + path;
        case 3:
            return u"www."_s + site + u".example.gov.cn"_s;
        case 4:
            return u"www．"_s + site + u"．example．gov．cn"_s;
        default:
            return u"http：//www."_s + site + u".example.gov.cn/"_s + path;
        }
    }

    void contacts()
    {
        if (r.chance(0.2))
            line(u"有关信息可登录"_s + webAddress() + QStringView(r.chance(0.5) ? u"，" : u" ") +
                 u"或者到办事窗口查询。"_s);
        if (r.chance(0.1))
            line(u"联系邮箱："_s + r.pick(MailUsers) + u'@' + r.pick(SitePrefixes) +
                 u".example.gov.cn；联系电话：010-"_s + QString::number(r.between(6000, 6999)) +
                 QString::number(r.between(1000, 9999)) + u"。"_s);
    }

    void articles(QStringView kindWord, QStringView s, QDate date, int target)
    {
        int n = 1;
        const bool chapters = r.chance(0.4);
        if (chapters)
            line(u"第一章　总则"_s);
        line(u"第一条　为了"_s + r.pick(Actions) + s +
             u"工作，维护公共利益和当事人的合法权益，"
             u"根据有关法律、法规，结合实际，制定本"_s +
             kindWord + u"。"_s);
        int chapter = 1;
        while (bytes < target) {
            ++n;
            if (chapters && n % 9 == 0) {
                ++chapter;
                line(u"第"_s + chineseNumber(chapter) + u"章　"_s +
                     QStringView(chapter % 2 ? u"监督管理" : u"法律责任"));
            }
            QString text = u"第"_s + chineseNumber(n) + u"条　"_s + sentence(kindWord, s);
            if (r.chance(0.4))
                text += sentence(kindWord, s);
            line(text);
            if (n == 4)
                contacts();
        }
        ++n;
        line(u"第"_s + chineseNumber(n) + u"条　本"_s + kindWord + u"自"_s +
             (date.isValid() ? chineseDate(date) : u"发布之日"_s) + u"起施行。"_s);
    }

    void items(QStringView s, QStringView issuer, QDate date, int target)
    {
        line(u"各省、自治区、直辖市人民政府，各有关部门："_s);
        line(u"为了"_s + r.pick(Actions) + s + u"工作，现就有关事项通知如下："_s);
        int n = 0;
        while (bytes < target) {
            ++n;
            QString text = chineseNumber(n) + u"、"_s + sentence(u"通知", s);
            if (r.chance(0.5))
                text += sentence(u"通知", s);
            line(text);
            if (n == 2)
                contacts();
        }
        line(u"特此通知。"_s);
        line(issuer.toString());
        line(date.isValid() ? chineseDate(date) : QString());
    }

    void judgment(const Doc &d, int target)
    {
        const QString plaintiff = person();
        const QString defendant = person();
        line(d.issuer);
        line(u"民 事 判 决 书"_s);
        line(u"原告"_s + plaintiff + u"，"_s + QStringView(r.chance(0.5) ? u"男" : u"女") +
             u"，"_s + QString::number(r.between(1950, 1995)) + u"年出生，住"_s + r.pick(Cities) +
             u"。"_s);
        line(u"被告"_s + defendant + u"，住"_s + r.pick(Cities) + u"。"_s);
        line(u"原告"_s + plaintiff + u"与被告"_s + defendant +
             u"纠纷一案，本院受理后，依法组成合议庭，公开开庭进行了审理。本案现已审理终结。"_s);
        while (bytes < target) {
            switch (r.below(4)) {
            case 0:
                line(u"原告诉称：双方于"_s + QString::number(r.between(1995, 2020)) +
                     u"年订立协议，被告未按约定履行义务，请求判令被告支付款项"_s +
                     QString::number(1000 * r.between(5, 900)) + u"元及利息。"_s);
                break;
            case 1:
                line(u"被告辩称：原告所述与事实不符，"_s + r.pick(Latin) +
                     u"，请求驳回原告的诉讼请求。"_s);
                break;
            case 2:
                line(u"经审理查明：双方当事人提交的证据经庭审质证，本院予以确认。"_s +
                     r.pick(Parties) + u"出具的证明材料内容真实，可以作为认定事实的依据。"_s);
                break;
            default:
                line(u"本院认为：当事人应当按照约定全面履行自己的义务，"_s + r.pick(Principles) +
                     u"。被告的抗辩理由缺乏事实和法律依据，本院不予采纳。"_s);
            }
        }
        contacts();
        line(u"依照《中华人民共和国民事诉讼法》第"_s + chineseNumber(r.between(60, 170)) +
             u"条之规定，判决如下："_s);
        line(u"被告"_s + defendant + u"于本判决生效之日起十日内向原告"_s + plaintiff +
             u"支付款项。"_s);
        line(u"案件受理费"_s + QString::number(r.between(50, 9000)) + u"元，由被告负担。"_s);
    }

    void contract(QStringView s, int target)
    {
        line(u"甲方：＿＿＿＿＿＿＿＿＿＿"_s);
        line(u"乙方：＿＿＿＿＿＿＿＿＿＿"_s);
        line(u"根据有关法律、法规的规定，甲乙双方在平等、自愿、协商一致的基础上，就"_s + s +
             u"事宜订立本合同。"_s);
        int n = 0;
        while (bytes < target) {
            ++n;
            QString text = u"第"_s + chineseNumber(n) + u"条　"_s;
            switch (r.below(5)) {
            case 0:
                text += u"本合同期限为＿＿年，自＿＿年＿＿月＿＿日起至＿＿年＿＿月＿＿日止。"_s;
                break;
            case 1:
                text +=
                    u"甲方应当按照约定的时间和方式向乙方支付价款，每逾期一日，按照应付款项的"_s +
                    QString::number(r.between(1, 5)) + u"‰支付违约金。"_s;
                break;
            case 2:
                text += u"乙方应当按照约定的质量标准履行义务，"_s + r.pick(Latin) + u"。"_s;
                break;
            case 3:
                text += u"因履行本合同发生争议的，双方协商解决；协商不成的，可以向合同签订地"
                        u"人民法院起诉或者向仲裁委员会申请仲裁。"_s;
                break;
            default:
                text += u"任何一方违反本合同约定的，应当承担违约责任，赔偿对方因此受到的损失。"_s;
            }
            line(text);
        }
        contacts();
        line(u"甲方（签章）：　　　　　　乙方（签章）："_s);
        line(u"签订日期：　　年　　月　　日"_s);
    }

    void makeBody(Kind kind, QDate date, Doc &d)
    {
        body.clear();
        bytes = 0;
        body.reserve(4200);
        const int target = r.between(4096, 7680);
        const QStringView s = topic;
        const QStringView title = d.title;
        if (kind == Kind::Contract) {
            contract(s, target);
        } else if (kind == Kind::Case) {
            judgment(d, target);
        } else if (title.endsWith(u"通知") || title.endsWith(u"意见") || title.endsWith(u"批复") ||
                   title.endsWith(u"决定")) {
            items(s, d.issuer, date, target);
        } else {
            QStringView kindWord = u"规定";
            for (QStringView k : {u"修正案", u"条例", u"办法", u"细则", u"解释", u"规则", u"法"}) {
                if (title.endsWith(k)) {
                    kindWord = k;
                    break;
                }
            }
            articles(kindWord, s, date, target);
        }
        line(RecordMarker());
        d.body = body;
    }

    Random &r;
    bool foreign = false;
    QStringView topic = Subjects[0];
    QString body;
    int bytes = 0;
};

// ---------------------------------------------------------------------------

Kind datedKind(Random &r)
{
    const int p = r.below(1000);
    if (p < 45)
        return Kind::Case;
    if (p < 55)
        return Kind::Contract;
    if (p < 85)
        return Kind::National;
    if (p < 135)
        return Kind::StateCouncil;
    if (p < 180)
        return Kind::Court;
    if (p < 490)
        return Kind::Ministry;
    if (p < 910)
        return Kind::Local;
    return Kind::Other;
}

Kind undatedKind(Random &r)
{
    const int p = r.below(100);
    return p < 45 ? Kind::Contract : p < 75 ? Kind::Case : Kind::Other;
}

void appendIndexRecord(QByteArray &index, const Doc &d)
{
    const RecordValue values[] = {d.title, d.date, deriveCategories(d.issuer, d.title) + d.issuer,
                                  d.validity};
    index += RecordWriter::formatRecord(values, 4);
}

void appendContentRecord(QByteArray &out, const Doc &d)
{
    out += '"';
    out +=
        Gbk::encode(composeLawDocument(d.title, d.issuer, d.date, d.inForce, d.validity, d.body));
    out += "\"\r\n";
}

struct Month {
    int year = 0;
    int month = 0;
    int count = 0;
};

// The number of documents of each month, newest first: years weighted
// towards the present, months drawn evenly (up to today in the current year).
QList<Month> monthCounts(int dated, quint64 seed, QDate today)
{
    const int first = 1949;
    const int last = today.year();
    QList<double> weight;
    double sum = 0;
    for (int y = last; y >= first; --y) {
        const double w = 60.0 + std::pow(double(y - first + 1), 2.5);
        weight.append(w);
        sum += w;
    }
    // Largest remainder, so the counts add up exactly.
    QList<int> perYear(weight.size());
    QList<std::pair<double, int>> remainders;
    int given = 0;
    for (qsizetype i = 0; i < weight.size(); ++i) {
        const double share = dated * weight[i] / sum;
        perYear[i] = int(share);
        given += perYear[i];
        remainders.append({share - perYear[i], int(i)});
    }
    std::stable_sort(remainders.begin(), remainders.end(),
                     [](const auto &a, const auto &b) { return a.first > b.first; });
    for (int k = 0; k < dated - given; ++k)
        ++perYear[remainders[k].second];

    Random r(seed, 0, 0);
    QList<Month> months;
    for (qsizetype i = 0; i < perYear.size(); ++i) {
        const int y = last - int(i);
        const int monthsInYear = y == last ? today.month() : 12;
        QList<int> counts(monthsInYear, 0);
        for (int k = 0; k < perYear[i]; ++k)
            ++counts[r.below(monthsInYear)];
        for (int m = monthsInYear; m >= 1; --m) {
            if (counts[m - 1] > 0)
                months.append({y, m, counts[m - 1]});
        }
    }
    return months;
}

} // namespace

bool lawDatabasePresent(const DriveMap &drives)
{
    const RecordFile files(drives);
    if (files.exists(lawIndexPath()))
        return true;
    const QStringList names = files.listFiles(InstallPaths::contentDir());
    return std::any_of(names.begin(), names.end(),
                       [](const QString &n) { return isContentFileName(n); });
}

QString demoLawOptionsProblem(const DemoLawOptions &options)
{
    if (options.laws < 1 || options.laws > DemoLawMaximum)
        return u"文件数必须在 1 到 180000 之间"_s;
    if (!options.today.isValid() || options.today.year() < 1949)
        return u"日期无效: 需要 1949 年以后的今天"_s;
    return {};
}

DemoLawResult writeDemoLaws(const DriveMap &drives, const DemoLawOptions &options)
{
    DemoLawResult result;
    result.failure = demoLawOptionsProblem(options);
    if (!result.ok())
        return result;
    const RecordFile files(drives);
    if (!options.overwrite && lawDatabasePresent(drives)) {
        result.failure = u"此处已有法律数据库 ("_s + files.hostPath(lawIndexPath()) +
                         u" 或正文文件); 没有改动"_s;
        return result;
    }
    for (const QString &folder : {QString(InstallPaths::installDir() + InstallPaths::lawbaseDir()),
                                  InstallPaths::contentDir()}) {
        if (FileResult r = files.makeDirectory(folder); !r) {
            result.failure = r.message();
            return result;
        }
    }

    const int undated = std::min(options.laws * 3 / 100, NoDateLimit);
    const int dated = options.laws - undated;
    QByteArray index;
    index.reserve(qsizetype(options.laws) * 110);
    QSet<QString> written;

    const auto writeFile = [&](const QString &name, const QByteArray &bytes) {
        const QString host = files.hostPath(ContentFile(name));
        if (FileResult r = AtomicFile::replace(host, bytes); !r) {
            result.failure = r.message();
            return false;
        }
        written.insert(QFileInfo(host).fileName());
        ++result.contentFiles;
        result.bytes += bytes.size();
        return true;
    };

    // Month files, newest first, so that the index comes out in its order.
    QByteArray content;
    for (const Month &m : monthCounts(dated, options.seed, options.today)) {
        Random r(options.seed, quint32(m.year), quint32(m.month));
        DocumentMaker maker(r);
        const QDate firstDay(m.year, m.month, 1);
        const bool current = m.year == options.today.year() && m.month == options.today.month();
        const int lastDay = current ? options.today.day() : firstDay.daysInMonth();
        QList<int> days(m.count);
        for (int &d : days)
            d = r.between(1, lastDay);
        std::sort(days.begin(), days.end(), std::greater<>());

        content.clear();
        Doc previous;
        for (int k = 0; k < m.count; ++k) {
            const QDate date(m.year, m.month, days[k]);
            Doc doc = maker.make(datedKind(r), date);
            // Now and then a document shares its title and date with the one before.
            if (k > 0 && r.chance(0.004)) {
                doc.title = previous.title;
                doc.issuer = previous.issuer;
                doc.validity = previous.validity;
                doc.date = previous.date;
                doc.inForce = previous.inForce;
            }
            appendIndexRecord(index, doc);
            appendContentRecord(content, doc);
            previous = std::move(doc);
        }
        if (!writeFile(contentFileName(m.year, m.month), content))
            return result;
        result.documents += m.count;
    }

    if (undated > 0) {
        Random r(options.seed, 0, 1);
        DocumentMaker maker(r);
        content.clear();
        // Undated rows are found by their title alone: titles stay unique.
        QSet<QString> titles;
        for (int k = 0; k < undated; ++k) {
            Doc doc = maker.make(undatedKind(r), QDate());
            for (int attempt = 0; titles.contains(doc.title) && attempt < 20; ++attempt)
                doc = maker.make(undatedKind(r), QDate());
            for (int n = 2; titles.contains(doc.title); ++n) {
                const QString numbered = doc.title + u"（"_s + chineseNumber(n) + u"）"_s;
                if (!titles.contains(numbered))
                    doc.title = numbered;
            }
            titles.insert(doc.title);
            appendIndexRecord(index, doc);
            appendContentRecord(content, doc);
        }
        if (!writeFile(contentFileName(0, 0), content))
            return result;
        result.documents += undated;
        result.undated = undated;
    }

    if (FileResult r = AtomicFile::replace(files.hostPath(lawIndexPath()), index); !r) {
        result.failure = r.message();
        return result;
    }
    result.bytes += index.size();

    // Content files of an earlier database that this one does not have.
    const QString contentHost = files.hostPath(InstallPaths::contentDir());
    for (const QString &name : files.listFiles(InstallPaths::contentDir())) {
        if (isContentFileName(name) && !written.contains(name))
            QFile::remove(QDir(contentHost).filePath(name));
    }
    return result;
}
