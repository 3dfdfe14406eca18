#include "demo/demo_directory_tables.h"

using namespace Qt::StringLiterals;

namespace DemoDirectoryTables {

namespace {

// Common websites by sub-class and a finer group ("新闻\通讯社"). The
// sub-class box of the directory keeps a website when its class contains
// the chosen sub-class, so no finer group contains the name of another
// sub-class.
constexpr Entry Websites[] = {
    {u"综合\\门户", u"新浪网", u"https://www.sina.com.cn"},
    {u"综合\\门户", u"搜狐", u"https://www.sohu.com"},
    {u"综合\\门户", u"网易", u"https://www.163.com"},
    {u"综合\\门户", u"腾讯网", u"https://www.qq.com"},
    {u"综合\\门户", u"凤凰网", u"https://www.ifeng.com"},
    {u"综合\\搜索引擎", u"百度", u"https://www.baidu.com"},
    {u"综合\\搜索引擎", u"必应", u"https://cn.bing.com"},
    {u"综合\\搜索引擎", u"搜狗", u"https://www.sogou.com"},
    {u"综合\\搜索引擎", u"360搜索", u"https://www.so.com"},
    {u"综合\\百科", u"百度百科", u"https://baike.baidu.com"},

    {u"新闻\\通讯社", u"新华网", u"http://www.news.cn"},
    {u"新闻\\通讯社", u"中国新闻网", u"https://www.chinanews.com.cn"},
    {u"新闻\\报刊", u"人民网", u"http://www.people.com.cn"},
    {u"新闻\\报刊", u"光明网", u"https://www.gmw.cn"},
    {u"新闻\\报刊", u"中国日报网", u"https://www.chinadaily.com.cn"},
    {u"新闻\\报刊", u"中国经济网", u"http://www.ce.cn"},
    {u"新闻\\报刊", u"法治网 (法治日报)", u"http://www.legaldaily.com.cn"},
    {u"新闻\\报刊", u"南方网", u"https://www.southcn.com"},
    {u"新闻\\报刊", u"澎湃新闻", u"https://www.thepaper.cn"},
    {u"新闻\\报刊", u"财新网", u"https://www.caixin.com"},
    {u"新闻\\广播电视", u"央视网", u"https://www.cctv.com"},
    {u"新闻\\广播电视", u"央广网", u"https://www.cnr.cn"},
    {u"新闻\\广播电视", u"中国国际电视台 (CGTN)", u"https://www.cgtn.com"},
    {u"新闻\\广播电视", u"中国网", u"http://www.china.com.cn"},

    {u"IT\\企业", u"华为", u"https://www.huawei.com"},
    {u"IT\\企业", u"联想", u"https://www.lenovo.com.cn"},
    {u"IT\\企业", u"小米", u"https://www.mi.com"},
    {u"IT\\企业", u"微软 (中国)", u"https://www.microsoft.com/zh-cn"},
    {u"IT\\开发", u"开源中国", u"https://www.oschina.net"},
    {u"IT\\开发", u"CSDN", u"https://www.csdn.net"},
    {u"IT\\开发", u"GitHub", u"https://github.com"},
    {u"IT\\开发", u"Gitee", u"https://gitee.com"},
    {u"IT\\机构", u"工业和信息化部", u"http://www.miit.gov.cn"},
    {u"IT\\机构", u"中国互联网络信息中心", u"https://www.cnnic.net.cn"},
    {u"IT\\机构", u"国家互联网应急中心", u"https://www.cert.org.cn"},
    {u"IT\\媒体", u"中关村在线", u"https://www.zol.com.cn"},
    {u"IT\\媒体", u"太平洋电脑网", u"https://www.pconline.com.cn"},

    {u"教育\\机构", u"教育部", u"http://www.moe.gov.cn"},
    {u"教育\\机构", u"中国教育和科研计算机网", u"https://www.edu.cn"},
    {u"教育\\机构", u"中国高等教育学生信息网 (学信网)", u"https://www.chsi.com.cn"},
    {u"教育\\机构", u"中国教育考试网", u"https://www.neea.edu.cn"},
    {u"教育\\高校", u"北京大学", u"https://www.pku.edu.cn"},
    {u"教育\\高校", u"清华大学", u"https://www.tsinghua.edu.cn"},
    {u"教育\\高校", u"中国人民大学", u"https://www.ruc.edu.cn"},
    {u"教育\\高校", u"中国政法大学", u"https://www.cupl.edu.cn"},
    {u"教育\\高校", u"西南政法大学", u"https://www.swupl.edu.cn"},
    {u"教育\\高校", u"华东政法大学", u"https://www.ecupl.edu.cn"},
    {u"教育\\高校", u"中南财经政法大学", u"http://www.zuel.edu.cn"},
    {u"教育\\高校", u"西北政法大学", u"http://www.nwupl.edu.cn"},
    {u"教育\\高校", u"复旦大学", u"https://www.fudan.edu.cn"},
    {u"教育\\高校", u"武汉大学", u"https://www.whu.edu.cn"},
    {u"教育\\高校", u"浙江大学", u"https://www.zju.edu.cn"},
    {u"教育\\高校", u"南京大学", u"https://www.nju.edu.cn"},
    {u"教育\\高校", u"中山大学", u"https://www.sysu.edu.cn"},
    {u"教育\\高校", u"吉林大学", u"https://www.jlu.edu.cn"},
    {u"教育\\图书文献", u"中国国家图书馆", u"http://www.nlc.cn"},
    {u"教育\\图书文献", u"中国知网", u"https://www.cnki.net"},
    {u"教育\\图书文献", u"万方数据", u"https://www.wanfangdata.com.cn"},

    {u"卫生\\机构", u"国家卫生健康委员会", u"http://www.nhc.gov.cn"},
    {u"卫生\\机构", u"中国疾病预防控制中心", u"https://www.chinacdc.cn"},
    {u"卫生\\机构", u"国家药品监督管理局", u"https://www.nmpa.gov.cn"},
    {u"卫生\\机构", u"国家医疗保障局", u"http://www.nhsa.gov.cn"},
    {u"卫生\\机构", u"国家中医药管理局", u"http://www.natcm.gov.cn"},
    {u"卫生\\机构", u"中国红十字会", u"https://www.redcross.org.cn"},
    {u"卫生\\国际组织", u"世界卫生组织", u"https://www.who.int"},

    {u"政府\\中央", u"中国政府网", u"https://www.gov.cn"},
    {u"政府\\中央", u"中国人大网", u"http://www.npc.gov.cn"},
    {u"政府\\中央", u"中国政协网", u"http://www.cppcc.gov.cn"},
    {u"政府\\中央", u"中央纪委国家监委网站", u"https://www.ccdi.gov.cn"},
    {u"政府\\部门", u"外交部", u"https://www.fmprc.gov.cn"},
    {u"政府\\部门", u"国家发展和改革委员会", u"https://www.ndrc.gov.cn"},
    {u"政府\\部门", u"国家统计局", u"https://www.stats.gov.cn"},
    {u"政府\\地方", u"北京市人民政府", u"http://www.beijing.gov.cn"},
    {u"政府\\地方", u"上海市人民政府", u"http://www.shanghai.gov.cn"},
    {u"政府\\地方", u"广东省人民政府", u"http://www.gd.gov.cn"},
    {u"政府\\地方", u"香港特别行政区政府", u"https://www.gov.hk"},
    {u"政府\\地方", u"澳门特别行政区政府", u"https://www.gov.mo"},

    {u"法律\\法院", u"最高人民法院", u"http://www.court.gov.cn"},
    {u"法律\\法院", u"中国法院网", u"https://www.chinacourt.org"},
    {u"法律\\法院", u"中国裁判文书网", u"https://wenshu.court.gov.cn"},
    {u"法律\\法院", u"中国执行信息公开网", u"http://zxgk.court.gov.cn"},
    {u"法律\\法院", u"中国庭审公开网", u"http://tingshen.court.gov.cn"},
    {u"法律\\法院", u"中国审判流程信息公开网", u"https://splcgk.court.gov.cn"},
    {u"法律\\检察院", u"最高人民检察院", u"https://www.spp.gov.cn"},
    {u"法律\\检察院", u"12309中国检察网", u"https://www.12309.gov.cn"},
    {u"法律\\司法行政", u"司法部", u"http://www.moj.gov.cn"},
    {u"法律\\司法行政", u"中国法律服务网 (12348)", u"http://www.12348.gov.cn"},
    {u"法律\\法规库", u"国家法律法规数据库", u"https://flk.npc.gov.cn"},
    {u"法律\\律师", u"中华全国律师协会", u"http://www.acla.org.cn"},
    {u"法律\\学术", u"中国法学会", u"https://www.chinalaw.org.cn"},
    {u"法律\\仲裁", u"中国国际经济贸易仲裁委员会", u"http://www.cietac.org"},
    {u"法律\\仲裁", u"北京仲裁委员会", u"http://www.bjac.org.cn"},
    {u"法律\\知识产权", u"国家知识产权局", u"https://www.cnipa.gov.cn"},
    {u"法律\\知识产权", u"中国商标网", u"https://sbj.cnipa.gov.cn"},

    {u"商贸\\机构", u"商务部", u"http://www.mofcom.gov.cn"},
    {u"商贸\\机构", u"海关总署", u"http://www.customs.gov.cn"},
    {u"商贸\\机构", u"国家市场监督管理总局", u"https://www.samr.gov.cn"},
    {u"商贸\\机构", u"中国国际贸易促进委员会", u"https://www.ccpit.org"},
    {u"商贸\\信用", u"国家企业信用信息公示系统", u"https://www.gsxt.gov.cn"},
    {u"商贸\\信用", u"信用中国", u"https://www.creditchina.gov.cn"},
    {u"商贸\\采购", u"中国政府采购网", u"http://www.ccgp.gov.cn"},
    {u"商贸\\电子商务", u"淘宝网", u"https://www.taobao.com"},
    {u"商贸\\电子商务", u"京东", u"https://www.jd.com"},
    {u"商贸\\电子商务", u"1688 (阿里巴巴)", u"https://www.1688.com"},
    {u"商贸\\电子商务", u"中国制造网", u"https://www.made-in-china.com"},
    {u"商贸\\展会", u"中国进出口商品交易会 (广交会)", u"https://www.cantonfair.org.cn"},

    {u"证券\\监管", u"中国证券监督管理委员会", u"http://www.csrc.gov.cn"},
    {u"证券\\监管", u"中国人民银行", u"http://www.pbc.gov.cn"},
    {u"证券\\监管", u"国家金融监督管理总局", u"https://www.nfra.gov.cn"},
    {u"证券\\监管", u"国家外汇管理局", u"http://www.safe.gov.cn"},
    {u"证券\\交易所", u"上海证券交易所", u"http://www.sse.com.cn"},
    {u"证券\\交易所", u"深圳证券交易所", u"http://www.szse.cn"},
    {u"证券\\交易所", u"北京证券交易所", u"https://www.bse.cn"},
    {u"证券\\交易所", u"香港交易所", u"https://www.hkex.com.hk"},
    {u"证券\\交易所", u"上海期货交易所", u"https://www.shfe.com.cn"},
    {u"证券\\交易所", u"大连商品交易所", u"http://www.dce.com.cn"},
    {u"证券\\交易所", u"郑州商品交易所", u"http://www.czce.com.cn"},
    {u"证券\\交易所", u"中国金融期货交易所", u"http://www.cffex.com.cn"},
    {u"证券\\行业组织", u"中国证券登记结算有限责任公司", u"http://www.chinaclear.cn"},
    {u"证券\\行业组织", u"中国证券业协会", u"https://www.sac.net.cn"},
    {u"证券\\行业组织", u"中国证券投资基金业协会", u"https://www.amac.org.cn"},
    {u"证券\\行业组织", u"中国期货业协会", u"http://www.cfachina.org"},
    {u"证券\\信息披露", u"巨潮资讯网", u"http://www.cninfo.com.cn"},
    {u"证券\\财经", u"东方财富网", u"https://www.eastmoney.com"},
    {u"证券\\财经", u"和讯网", u"http://www.hexun.com"},

    {u"文体\\机构", u"文化和旅游部", u"https://www.mct.gov.cn"},
    {u"文体\\机构", u"国家体育总局", u"https://www.sport.gov.cn"},
    {u"文体\\机构", u"国家广播电视总局", u"http://www.nrta.gov.cn"},
    {u"文体\\机构", u"国家文物局", u"http://www.ncha.gov.cn"},
    {u"文体\\博物馆", u"故宫博物院", u"https://www.dpm.org.cn"},
    {u"文体\\博物馆", u"中国国家博物馆", u"https://www.chnmuseum.cn"},
    {u"文体\\演出", u"国家大剧院", u"http://www.chncpa.org"},
    {u"文体\\文学", u"中国作家网", u"http://www.chinawriter.com.cn"},
    {u"文体\\文学", u"豆瓣", u"https://www.douban.com"},
    {u"文体\\体育", u"中国奥林匹克委员会", u"https://www.olympic.cn"},
    {u"文体\\体育", u"国际奥林匹克委员会", u"https://www.olympics.com"},

    {u"服务\\出行", u"中国铁路12306", u"https://www.12306.cn"},
    {u"服务\\出行", u"中国民用航空局", u"http://www.caac.gov.cn"},
    {u"服务\\出行", u"携程旅行", u"https://www.ctrip.com"},
    {u"服务\\出行", u"百度地图", u"https://map.baidu.com"},
    {u"服务\\出行", u"高德地图", u"https://www.amap.com"},
    {u"服务\\气象", u"中国气象局", u"http://www.cma.gov.cn"},
    {u"服务\\气象", u"中央气象台", u"http://www.nmc.cn"},
    {u"服务\\通信邮政", u"中国移动", u"https://www.10086.cn"},
    {u"服务\\通信邮政", u"中国联通", u"https://www.10010.com"},
    {u"服务\\通信邮政", u"中国电信", u"https://www.189.cn"},
    {u"服务\\通信邮政", u"中国邮政", u"http://www.chinapost.com.cn"},
    {u"服务\\办事", u"国家政务服务平台", u"https://gjzwfw.www.gov.cn"},
    {u"服务\\办事", u"国家税务总局", u"https://www.chinatax.gov.cn"},
    {u"服务\\办事", u"国家电网", u"http://www.sgcc.com.cn"},

    {u"国外\\国际组织", u"联合国", u"https://www.un.org"},
    {u"国外\\国际组织", u"世界贸易组织", u"https://www.wto.org"},
    {u"国外\\国际组织", u"世界知识产权组织", u"https://www.wipo.int"},
    {u"国外\\国际组织", u"世界银行", u"https://www.worldbank.org"},
    {u"国外\\国际组织", u"国际货币基金组织", u"https://www.imf.org"},
    {u"国外\\国际法", u"国际法院", u"https://www.icj-cij.org"},
    {u"国外\\国际法", u"海牙国际私法会议", u"https://www.hcch.net"},
    {u"国外\\国际法", u"联合国国际贸易法委员会", u"https://uncitral.un.org"},
    {u"国外\\国际法", u"国际统一私法协会", u"https://www.unidroit.org"},
    {u"国外\\国际法", u"国际商会", u"https://iccwbo.org"},
    {u"国外\\各国官方", u"美国政府", u"https://www.usa.gov"},
    {u"国外\\各国官方", u"英国政府", u"https://www.gov.uk"},
    {u"国外\\各国官方", u"美国最高法院", u"https://www.supremecourt.gov"},
    {u"国外\\各国官方", u"欧盟法律数据库 (EUR-Lex)", u"https://eur-lex.europa.eu"},
    {u"国外\\媒体", u"BBC", u"https://www.bbc.com"},
    {u"国外\\媒体", u"路透社", u"https://www.reuters.com"},
    {u"国外\\媒体", u"美联社", u"https://apnews.com"},
};

// Courts, procuratorates, judicial administration and the other bodies a
// lawyer deals with: the seat where it is well known, else the service
// number or the website.
constexpr Entry LegalInstitutions[] = {
    {u"法院", u"最高人民法院", u"北京市东城区东交民巷27号"},
    {u"法院", u"最高人民法院国际商事法庭", u"https://cicc.court.gov.cn"},
    {u"法院", u"人民法院诉讼服务热线", u"12368"},
    {u"检察院", u"最高人民检察院", u"北京市东城区北河沿大街147号"},
    {u"检察院", u"人民检察院检察服务热线", u"12309"},
    {u"司法行政", u"司法部", u"北京市朝阳区朝阳门南大街10号"},
    {u"司法行政", u"公共法律服务热线 (法律援助)", u"12348"},
    {u"司法行政", u"中国法律服务网", u"http://www.12348.gov.cn"},
    {u"公安", u"公安部", u"北京市东城区东长安街14号"},
    {u"监察", u"国家监察委员会", u"https://www.ccdi.gov.cn"},
    {u"立法", u"全国人民代表大会常务委员会法制工作委员会", u"http://www.npc.gov.cn"},
    {u"立法", u"国家法律法规数据库", u"https://flk.npc.gov.cn"},
    {u"仲裁\\北京", u"中国国际经济贸易仲裁委员会", u"http://www.cietac.org"},
    {u"仲裁\\北京", u"中国海事仲裁委员会", u"http://www.cmac.org.cn"},
    {u"仲裁\\北京", u"北京仲裁委员会", u"http://www.bjac.org.cn"},
    {u"仲裁\\上海", u"上海国际仲裁中心", u"http://www.shiac.org"},
    {u"仲裁\\深圳", u"深圳国际仲裁院", u"http://www.scia.com.cn"},
    {u"仲裁\\香港", u"香港国际仲裁中心", u"https://www.hkiac.org"},
    {u"仲裁\\新加坡", u"新加坡国际仲裁中心", u"https://www.siac.org.sg"},
    {u"仲裁\\巴黎", u"国际商会国际仲裁院", u"https://iccwbo.org"},
    {u"律师协会", u"中华全国律师协会", u"http://www.acla.org.cn"},
    {u"法学会", u"中国法学会", u"https://www.chinalaw.org.cn"},
    {u"知识产权", u"国家知识产权局", u"https://www.cnipa.gov.cn"},
    {u"知识产权", u"国家知识产权局商标局", u"https://sbj.cnipa.gov.cn"},
};

// The bodies whose websites the official-website search offers, by group.
// Each name is written as it stands in the issuing-body line of a law text,
// since a document that names no place finds its site by the issuing body
// containing the name; the provincial and city governments are found by
// place and sector. They are also the directory's government agencies.
constexpr Entry Bodies[] = {
    {u"全国人大", u"全国人民代表大会", u"http://www.npc.gov.cn"},
    {u"全国政协", u"中国人民政治协商会议全国委员会", u"http://www.cppcc.gov.cn"},
    {u"中央人民政府", u"国务院", u"https://www.gov.cn"},
    {u"国家监察机关", u"国家监察委员会", u"https://www.ccdi.gov.cn"},
    {u"最高司法机关", u"最高人民法院", u"http://www.court.gov.cn"},
    {u"最高司法机关", u"最高人民检察院", u"https://www.spp.gov.cn"},

    {u"国务院组成部门", u"外交部", u"https://www.fmprc.gov.cn"},
    {u"国务院组成部门", u"国防部", u"http://www.mod.gov.cn"},
    {u"国务院组成部门", u"国家发展和改革委员会", u"https://www.ndrc.gov.cn"},
    {u"国务院组成部门", u"教育部", u"http://www.moe.gov.cn"},
    {u"国务院组成部门", u"科学技术部", u"https://www.most.gov.cn"},
    {u"国务院组成部门", u"工业和信息化部", u"http://www.miit.gov.cn"},
    {u"国务院组成部门", u"国家民族事务委员会", u"https://www.neac.gov.cn"},
    {u"国务院组成部门", u"公安部", u"https://www.mps.gov.cn"},
    {u"国务院组成部门", u"民政部", u"https://www.mca.gov.cn"},
    {u"国务院组成部门", u"司法部", u"http://www.moj.gov.cn"},
    {u"国务院组成部门", u"财政部", u"http://www.mof.gov.cn"},
    {u"国务院组成部门", u"人力资源和社会保障部", u"http://www.mohrss.gov.cn"},
    {u"国务院组成部门", u"自然资源部", u"https://www.mnr.gov.cn"},
    {u"国务院组成部门", u"生态环境部", u"https://www.mee.gov.cn"},
    {u"国务院组成部门", u"住房和城乡建设部", u"https://www.mohurd.gov.cn"},
    {u"国务院组成部门", u"交通运输部", u"https://www.mot.gov.cn"},
    {u"国务院组成部门", u"水利部", u"http://www.mwr.gov.cn"},
    {u"国务院组成部门", u"农业农村部", u"http://www.moa.gov.cn"},
    {u"国务院组成部门", u"商务部", u"http://www.mofcom.gov.cn"},
    {u"国务院组成部门", u"文化和旅游部", u"https://www.mct.gov.cn"},
    {u"国务院组成部门", u"国家卫生健康委员会", u"http://www.nhc.gov.cn"},
    {u"国务院组成部门", u"退役军人事务部", u"https://www.mva.gov.cn"},
    {u"国务院组成部门", u"应急管理部", u"https://www.mem.gov.cn"},
    {u"国务院组成部门", u"中国人民银行", u"http://www.pbc.gov.cn"},
    {u"国务院组成部门", u"审计署", u"https://www.audit.gov.cn"},

    {u"国务院直属特设机构", u"国务院国有资产监督管理委员会", u"http://www.sasac.gov.cn"},

    {u"国务院直属机构", u"海关总署", u"http://www.customs.gov.cn"},
    {u"国务院直属机构", u"国家税务总局", u"https://www.chinatax.gov.cn"},
    {u"国务院直属机构", u"国家市场监督管理总局", u"https://www.samr.gov.cn"},
    {u"国务院直属机构", u"国家金融监督管理总局", u"https://www.nfra.gov.cn"},
    {u"国务院直属机构", u"中国证券监督管理委员会", u"http://www.csrc.gov.cn"},
    {u"国务院直属机构", u"国家广播电视总局", u"http://www.nrta.gov.cn"},
    {u"国务院直属机构", u"国家体育总局", u"https://www.sport.gov.cn"},
    {u"国务院直属机构", u"国家信访局", u"https://www.gjxfj.gov.cn"},
    {u"国务院直属机构", u"国家统计局", u"https://www.stats.gov.cn"},
    {u"国务院直属机构", u"国家知识产权局", u"https://www.cnipa.gov.cn"},
    {u"国务院直属机构", u"国家国际发展合作署", u"http://www.cidca.gov.cn"},
    {u"国务院直属机构", u"国家医疗保障局", u"http://www.nhsa.gov.cn"},
    {u"国务院直属机构", u"国家机关事务管理局", u"http://www.ggj.gov.cn"},

    {u"国务院直属事业单位", u"新华通讯社", u"http://www.news.cn"},
    {u"国务院直属事业单位", u"中国科学院", u"https://www.cas.cn"},
    {u"国务院直属事业单位", u"中国社会科学院", u"http://www.cass.cn"},
    {u"国务院直属事业单位", u"中国工程院", u"https://www.cae.cn"},
    {u"国务院直属事业单位", u"国务院发展研究中心", u"https://www.drc.gov.cn"},
    {u"国务院直属事业单位", u"中国气象局", u"http://www.cma.gov.cn"},

    {u"部委管理的国家局", u"国家粮食和物资储备局", u"http://www.lswz.gov.cn"},
    {u"部委管理的国家局", u"国家能源局", u"http://www.nea.gov.cn"},
    {u"部委管理的国家局", u"国家国防科技工业局", u"http://www.sastind.gov.cn"},
    {u"部委管理的国家局", u"国家烟草专卖局", u"http://www.tobacco.gov.cn"},
    {u"部委管理的国家局", u"国家移民管理局", u"https://www.nia.gov.cn"},
    {u"部委管理的国家局", u"国家林业和草原局", u"http://www.forestry.gov.cn"},
    {u"部委管理的国家局", u"国家铁路局", u"http://www.nra.gov.cn"},
    {u"部委管理的国家局", u"中国民用航空局", u"http://www.caac.gov.cn"},
    {u"部委管理的国家局", u"国家邮政局", u"http://www.spb.gov.cn"},
    {u"部委管理的国家局", u"国家文物局", u"http://www.ncha.gov.cn"},
    {u"部委管理的国家局", u"国家中医药管理局", u"http://www.natcm.gov.cn"},
    {u"部委管理的国家局", u"国家外汇管理局", u"http://www.safe.gov.cn"},
    {u"部委管理的国家局", u"国家药品监督管理局", u"https://www.nmpa.gov.cn"},

    {u"中央机关", u"国家互联网信息办公室", u"https://www.cac.gov.cn"},
    {u"中央机关", u"国家新闻出版署", u"https://www.nppa.gov.cn"},
    {u"中央机关", u"国家版权局", u"https://www.ncac.gov.cn"},
    {u"中央机关", u"国家宗教事务局", u"http://www.sara.gov.cn"},
    {u"中央机关", u"国家档案局", u"https://www.saac.gov.cn"},
    {u"中央机关", u"国家保密局", u"http://www.gjbmj.gov.cn"},
    {u"中央机关", u"国务院台湾事务办公室", u"http://www.gwytb.gov.cn"},
    {u"中央机关", u"国务院港澳事务办公室", u"http://www.hmo.gov.cn"},

    {u"群团组织", u"中华全国总工会", u"https://www.acftu.org"},
    {u"群团组织", u"中国共产主义青年团中央", u"https://www.gqt.org.cn"},
    {u"群团组织", u"中华全国妇女联合会", u"https://www.women.org.cn"},
    {u"群团组织", u"中国残疾人联合会", u"https://www.cdpf.org.cn"},
    {u"群团组织", u"中国红十字会总会", u"https://www.redcross.org.cn"},
    {u"群团组织", u"中国法学会", u"https://www.chinalaw.org.cn"},
    {u"群团组织", u"中华全国工商业联合会", u"http://www.acfic.org.cn"},
    {u"群团组织", u"中国国际贸易促进委员会", u"https://www.ccpit.org"},
    {u"行业协会", u"中华全国律师协会", u"http://www.acla.org.cn"},

    {u"省级政府", u"北京市人民政府", u"http://www.beijing.gov.cn"},
    {u"省级政府", u"天津市人民政府", u"http://www.tj.gov.cn"},
    {u"省级政府", u"河北省人民政府", u"http://www.hebei.gov.cn"},
    {u"省级政府", u"山西省人民政府", u"http://www.shanxi.gov.cn"},
    {u"省级政府", u"内蒙古自治区人民政府", u"http://www.nmg.gov.cn"},
    {u"省级政府", u"辽宁省人民政府", u"http://www.ln.gov.cn"},
    {u"省级政府", u"吉林省人民政府", u"http://www.jl.gov.cn"},
    {u"省级政府", u"黑龙江省人民政府", u"http://www.hlj.gov.cn"},
    {u"省级政府", u"上海市人民政府", u"http://www.shanghai.gov.cn"},
    {u"省级政府", u"江苏省人民政府", u"http://www.jiangsu.gov.cn"},
    {u"省级政府", u"浙江省人民政府", u"http://www.zj.gov.cn"},
    {u"省级政府", u"安徽省人民政府", u"http://www.ah.gov.cn"},
    {u"省级政府", u"福建省人民政府", u"http://www.fujian.gov.cn"},
    {u"省级政府", u"江西省人民政府", u"http://www.jiangxi.gov.cn"},
    {u"省级政府", u"山东省人民政府", u"http://www.shandong.gov.cn"},
    {u"省级政府", u"河南省人民政府", u"http://www.henan.gov.cn"},
    {u"省级政府", u"湖北省人民政府", u"http://www.hubei.gov.cn"},
    {u"省级政府", u"湖南省人民政府", u"http://www.hunan.gov.cn"},
    {u"省级政府", u"广东省人民政府", u"http://www.gd.gov.cn"},
    {u"省级政府", u"广西壮族自治区人民政府", u"http://www.gxzf.gov.cn"},
    {u"省级政府", u"海南省人民政府", u"http://www.hainan.gov.cn"},
    {u"省级政府", u"重庆市人民政府", u"http://www.cq.gov.cn"},
    {u"省级政府", u"四川省人民政府", u"http://www.sc.gov.cn"},
    {u"省级政府", u"贵州省人民政府", u"http://www.guizhou.gov.cn"},
    {u"省级政府", u"云南省人民政府", u"http://www.yn.gov.cn"},
    {u"省级政府", u"西藏自治区人民政府", u"http://www.xizang.gov.cn"},
    {u"省级政府", u"陕西省人民政府", u"http://www.shaanxi.gov.cn"},
    {u"省级政府", u"甘肃省人民政府", u"http://www.gansu.gov.cn"},
    {u"省级政府", u"青海省人民政府", u"http://www.qinghai.gov.cn"},
    {u"省级政府", u"宁夏回族自治区人民政府", u"http://www.nx.gov.cn"},
    {u"省级政府", u"新疆维吾尔自治区人民政府", u"http://www.xinjiang.gov.cn"},
    {u"特别行政区政府", u"香港特别行政区政府", u"https://www.gov.hk"},
    {u"特别行政区政府", u"澳门特别行政区政府", u"https://www.gov.mo"},

    {u"城市人民政府", u"广州市人民政府", u"http://www.gz.gov.cn"},
    {u"城市人民政府", u"深圳市人民政府", u"http://www.sz.gov.cn"},
    {u"城市人民政府", u"杭州市人民政府", u"http://www.hangzhou.gov.cn"},
    {u"城市人民政府", u"宁波市人民政府", u"http://www.ningbo.gov.cn"},
    {u"城市人民政府", u"南京市人民政府", u"http://www.nanjing.gov.cn"},
    {u"城市人民政府", u"苏州市人民政府", u"http://www.suzhou.gov.cn"},
    {u"城市人民政府", u"武汉市人民政府", u"http://www.wuhan.gov.cn"},
    {u"城市人民政府", u"成都市人民政府", u"http://www.chengdu.gov.cn"},
    {u"城市人民政府", u"西安市人民政府", u"http://www.xa.gov.cn"},
    {u"城市人民政府", u"厦门市人民政府", u"http://www.xm.gov.cn"},
    {u"城市人民政府", u"福州市人民政府", u"http://www.fuzhou.gov.cn"},
    {u"城市人民政府", u"青岛市人民政府", u"http://www.qingdao.gov.cn"},
    {u"城市人民政府", u"济南市人民政府", u"http://www.jinan.gov.cn"},
    {u"城市人民政府", u"大连市人民政府", u"http://www.dl.gov.cn"},
    {u"城市人民政府", u"沈阳市人民政府", u"http://www.shenyang.gov.cn"},
    {u"城市人民政府", u"哈尔滨市人民政府", u"http://www.harbin.gov.cn"},
    {u"城市人民政府", u"长沙市人民政府", u"http://www.changsha.gov.cn"},
    {u"城市人民政府", u"郑州市人民政府", u"http://www.zhengzhou.gov.cn"},
    {u"城市人民政府", u"合肥市人民政府", u"http://www.hefei.gov.cn"},
    {u"城市人民政府", u"昆明市人民政府", u"http://www.km.gov.cn"},
};

// Bodies merged into others or replaced: old law texts still name them as
// issuers, so the website table offers the site of the body now doing their
// work; the directory leaves them out.
constexpr Entry MergedBodies[] = {
    {u"已撤并机构", u"国家工商行政管理总局", u"https://www.samr.gov.cn"},
    {u"已撤并机构", u"国家质量监督检验检疫总局", u"https://www.samr.gov.cn"},
    {u"已撤并机构", u"国家食品药品监督管理总局", u"https://www.nmpa.gov.cn"},
    {u"已撤并机构", u"中国银行保险监督管理委员会", u"https://www.nfra.gov.cn"},
    {u"已撤并机构", u"中国银行业监督管理委员会", u"https://www.nfra.gov.cn"},
    {u"已撤并机构", u"中国保险监督管理委员会", u"https://www.nfra.gov.cn"},
    {u"已撤并机构", u"国家卫生和计划生育委员会", u"http://www.nhc.gov.cn"},
    {u"已撤并机构", u"卫生部", u"http://www.nhc.gov.cn"},
    {u"已撤并机构", u"国土资源部", u"https://www.mnr.gov.cn"},
    {u"已撤并机构", u"国家海洋局", u"https://www.mnr.gov.cn"},
    {u"已撤并机构", u"环境保护部", u"https://www.mee.gov.cn"},
    {u"已撤并机构", u"农业部", u"http://www.moa.gov.cn"},
    {u"已撤并机构", u"文化部", u"https://www.mct.gov.cn"},
    {u"已撤并机构", u"国家旅游局", u"https://www.mct.gov.cn"},
    {u"已撤并机构", u"国家林业局", u"http://www.forestry.gov.cn"},
    {u"已撤并机构", u"国家安全生产监督管理总局", u"https://www.mem.gov.cn"},
    {u"已撤并机构", u"国务院法制办公室", u"http://www.moj.gov.cn"},
    {u"已撤并机构", u"监察部", u"https://www.ccdi.gov.cn"},
    {u"已撤并机构", u"人事部", u"http://www.mohrss.gov.cn"},
    {u"已撤并机构", u"劳动和社会保障部", u"http://www.mohrss.gov.cn"},
    {u"已撤并机构", u"建设部", u"https://www.mohurd.gov.cn"},
    {u"已撤并机构", u"信息产业部", u"http://www.miit.gov.cn"},
    {u"已撤并机构", u"对外贸易经济合作部", u"http://www.mofcom.gov.cn"},
    {u"已撤并机构", u"国家发展计划委员会", u"https://www.ndrc.gov.cn"},
};

// Places as they stand in titles and issuing bodies: the provincial-level
// divisions in short form ("江苏" for "江苏省人民政府"), then the cities
// whose governments are in the table.
constexpr QStringView Places[] = {
    u"北京", u"天津", u"河北", u"山西",   u"内蒙古", u"辽宁", u"吉林", u"黑龙江", u"上海",
    u"江苏", u"浙江", u"安徽", u"福建",   u"江西",   u"山东", u"河南", u"湖北",   u"湖南",
    u"广东", u"广西", u"海南", u"重庆",   u"四川",   u"贵州", u"云南", u"西藏",   u"陕西",
    u"甘肃", u"青海", u"宁夏", u"新疆",   u"香港",   u"澳门", u"广州", u"深圳",   u"杭州",
    u"宁波", u"南京", u"苏州", u"武汉",   u"成都",   u"西安", u"厦门", u"福州",   u"青岛",
    u"济南", u"大连", u"沈阳", u"哈尔滨", u"长沙",   u"郑州", u"合肥", u"昆明"};

// Sectors that, together with a place, name a body of the table.
constexpr QStringView Sectors[] = {u"人民政府", u"特别行政区政府"};

QStringList names(std::span<const QStringView> table)
{
    QStringList list;
    for (QStringView name : table)
        list.append(name.toString());
    return list;
}

} // namespace

QList<Record> siteRecords()
{
    QList<Record> records;
    appendDirectoryRecords(records, Websites, u"常用网站：");
    appendDirectoryRecords(records, LegalInstitutions, u"法律机构：");
    appendDirectoryRecords(records, Bodies, u"政府机构：");
    return records;
}

QList<Record> govUrlRecords()
{
    QList<Record> records;
    for (const std::span<const Entry> table :
         {std::span<const Entry>(Bodies), std::span<const Entry>(MergedBodies)}) {
        for (const Entry &e : table)
            records.append({e.group.toString(), e.name.toString(), e.code.toString(), QString()});
    }
    return records;
}

QStringList placeNames()
{
    return names(Places);
}

QStringList sectorNames()
{
    return names(Sectors);
}

} // namespace DemoDirectoryTables
