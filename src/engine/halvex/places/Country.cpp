#include "engine/halvex/places/Country.h"

namespace halvex {

struct Country::Entry {
    const char16_t* alpha3;
    const char16_t* alpha2;
    const char16_t* numeric;
    const char16_t* englishName;
};

namespace {

// ISO 3166-1 as Debian's iso-codes 4.15 gives it; the usual short name where the standard's
// own is inverted ("Korea, Republic of").
constexpr Country::Entry entries[] = {
    {u"ABW", u"AW", u"533", u"Aruba"},
    {u"AFG", u"AF", u"004", u"Afghanistan"},
    {u"AGO", u"AO", u"024", u"Angola"},
    {u"AIA", u"AI", u"660", u"Anguilla"},
    {u"ALA", u"AX", u"248", u"Åland Islands"},
    {u"ALB", u"AL", u"008", u"Albania"},
    {u"AND", u"AD", u"020", u"Andorra"},
    {u"ARE", u"AE", u"784", u"United Arab Emirates"},
    {u"ARG", u"AR", u"032", u"Argentina"},
    {u"ARM", u"AM", u"051", u"Armenia"},
    {u"ASM", u"AS", u"016", u"American Samoa"},
    {u"ATA", u"AQ", u"010", u"Antarctica"},
    {u"ATF", u"TF", u"260", u"French Southern Territories"},
    {u"ATG", u"AG", u"028", u"Antigua and Barbuda"},
    {u"AUS", u"AU", u"036", u"Australia"},
    {u"AUT", u"AT", u"040", u"Austria"},
    {u"AZE", u"AZ", u"031", u"Azerbaijan"},
    {u"BDI", u"BI", u"108", u"Burundi"},
    {u"BEL", u"BE", u"056", u"Belgium"},
    {u"BEN", u"BJ", u"204", u"Benin"},
    {u"BES", u"BQ", u"535", u"Bonaire, Sint Eustatius and Saba"},
    {u"BFA", u"BF", u"854", u"Burkina Faso"},
    {u"BGD", u"BD", u"050", u"Bangladesh"},
    {u"BGR", u"BG", u"100", u"Bulgaria"},
    {u"BHR", u"BH", u"048", u"Bahrain"},
    {u"BHS", u"BS", u"044", u"Bahamas"},
    {u"BIH", u"BA", u"070", u"Bosnia and Herzegovina"},
    {u"BLM", u"BL", u"652", u"Saint Barthélemy"},
    {u"BLR", u"BY", u"112", u"Belarus"},
    {u"BLZ", u"BZ", u"084", u"Belize"},
    {u"BMU", u"BM", u"060", u"Bermuda"},
    {u"BOL", u"BO", u"068", u"Bolivia"},
    {u"BRA", u"BR", u"076", u"Brazil"},
    {u"BRB", u"BB", u"052", u"Barbados"},
    {u"BRN", u"BN", u"096", u"Brunei Darussalam"},
    {u"BTN", u"BT", u"064", u"Bhutan"},
    {u"BVT", u"BV", u"074", u"Bouvet Island"},
    {u"BWA", u"BW", u"072", u"Botswana"},
    {u"CAF", u"CF", u"140", u"Central African Republic"},
    {u"CAN", u"CA", u"124", u"Canada"},
    {u"CCK", u"CC", u"166", u"Cocos (Keeling) Islands"},
    {u"CHE", u"CH", u"756", u"Switzerland"},
    {u"CHL", u"CL", u"152", u"Chile"},
    {u"CHN", u"CN", u"156", u"China"},
    {u"CIV", u"CI", u"384", u"Côte d'Ivoire"},
    {u"CMR", u"CM", u"120", u"Cameroon"},
    {u"COD", u"CD", u"180", u"Congo, The Democratic Republic of the"},
    {u"COG", u"CG", u"178", u"Congo"},
    {u"COK", u"CK", u"184", u"Cook Islands"},
    {u"COL", u"CO", u"170", u"Colombia"},
    {u"COM", u"KM", u"174", u"Comoros"},
    {u"CPV", u"CV", u"132", u"Cabo Verde"},
    {u"CRI", u"CR", u"188", u"Costa Rica"},
    {u"CUB", u"CU", u"192", u"Cuba"},
    {u"CUW", u"CW", u"531", u"Curaçao"},
    {u"CXR", u"CX", u"162", u"Christmas Island"},
    {u"CYM", u"KY", u"136", u"Cayman Islands"},
    {u"CYP", u"CY", u"196", u"Cyprus"},
    {u"CZE", u"CZ", u"203", u"Czechia"},
    {u"DEU", u"DE", u"276", u"Germany"},
    {u"DJI", u"DJ", u"262", u"Djibouti"},
    {u"DMA", u"DM", u"212", u"Dominica"},
    {u"DNK", u"DK", u"208", u"Denmark"},
    {u"DOM", u"DO", u"214", u"Dominican Republic"},
    {u"DZA", u"DZ", u"012", u"Algeria"},
    {u"ECU", u"EC", u"218", u"Ecuador"},
    {u"EGY", u"EG", u"818", u"Egypt"},
    {u"ERI", u"ER", u"232", u"Eritrea"},
    {u"ESH", u"EH", u"732", u"Western Sahara"},
    {u"ESP", u"ES", u"724", u"Spain"},
    {u"EST", u"EE", u"233", u"Estonia"},
    {u"ETH", u"ET", u"231", u"Ethiopia"},
    {u"FIN", u"FI", u"246", u"Finland"},
    {u"FJI", u"FJ", u"242", u"Fiji"},
    {u"FLK", u"FK", u"238", u"Falkland Islands (Malvinas)"},
    {u"FRA", u"FR", u"250", u"France"},
    {u"FRO", u"FO", u"234", u"Faroe Islands"},
    {u"FSM", u"FM", u"583", u"Micronesia, Federated States of"},
    {u"GAB", u"GA", u"266", u"Gabon"},
    {u"GBR", u"GB", u"826", u"United Kingdom"},
    {u"GEO", u"GE", u"268", u"Georgia"},
    {u"GGY", u"GG", u"831", u"Guernsey"},
    {u"GHA", u"GH", u"288", u"Ghana"},
    {u"GIB", u"GI", u"292", u"Gibraltar"},
    {u"GIN", u"GN", u"324", u"Guinea"},
    {u"GLP", u"GP", u"312", u"Guadeloupe"},
    {u"GMB", u"GM", u"270", u"Gambia"},
    {u"GNB", u"GW", u"624", u"Guinea-Bissau"},
    {u"GNQ", u"GQ", u"226", u"Equatorial Guinea"},
    {u"GRC", u"GR", u"300", u"Greece"},
    {u"GRD", u"GD", u"308", u"Grenada"},
    {u"GRL", u"GL", u"304", u"Greenland"},
    {u"GTM", u"GT", u"320", u"Guatemala"},
    {u"GUF", u"GF", u"254", u"French Guiana"},
    {u"GUM", u"GU", u"316", u"Guam"},
    {u"GUY", u"GY", u"328", u"Guyana"},
    {u"HKG", u"HK", u"344", u"Hong Kong"},
    {u"HMD", u"HM", u"334", u"Heard Island and McDonald Islands"},
    {u"HND", u"HN", u"340", u"Honduras"},
    {u"HRV", u"HR", u"191", u"Croatia"},
    {u"HTI", u"HT", u"332", u"Haiti"},
    {u"HUN", u"HU", u"348", u"Hungary"},
    {u"IDN", u"ID", u"360", u"Indonesia"},
    {u"IMN", u"IM", u"833", u"Isle of Man"},
    {u"IND", u"IN", u"356", u"India"},
    {u"IOT", u"IO", u"086", u"British Indian Ocean Territory"},
    {u"IRL", u"IE", u"372", u"Ireland"},
    {u"IRN", u"IR", u"364", u"Iran"},
    {u"IRQ", u"IQ", u"368", u"Iraq"},
    {u"ISL", u"IS", u"352", u"Iceland"},
    {u"ISR", u"IL", u"376", u"Israel"},
    {u"ITA", u"IT", u"380", u"Italy"},
    {u"JAM", u"JM", u"388", u"Jamaica"},
    {u"JEY", u"JE", u"832", u"Jersey"},
    {u"JOR", u"JO", u"400", u"Jordan"},
    {u"JPN", u"JP", u"392", u"Japan"},
    {u"KAZ", u"KZ", u"398", u"Kazakhstan"},
    {u"KEN", u"KE", u"404", u"Kenya"},
    {u"KGZ", u"KG", u"417", u"Kyrgyzstan"},
    {u"KHM", u"KH", u"116", u"Cambodia"},
    {u"KIR", u"KI", u"296", u"Kiribati"},
    {u"KNA", u"KN", u"659", u"Saint Kitts and Nevis"},
    {u"KOR", u"KR", u"410", u"South Korea"},
    {u"KWT", u"KW", u"414", u"Kuwait"},
    {u"LAO", u"LA", u"418", u"Laos"},
    {u"LBN", u"LB", u"422", u"Lebanon"},
    {u"LBR", u"LR", u"430", u"Liberia"},
    {u"LBY", u"LY", u"434", u"Libya"},
    {u"LCA", u"LC", u"662", u"Saint Lucia"},
    {u"LIE", u"LI", u"438", u"Liechtenstein"},
    {u"LKA", u"LK", u"144", u"Sri Lanka"},
    {u"LSO", u"LS", u"426", u"Lesotho"},
    {u"LTU", u"LT", u"440", u"Lithuania"},
    {u"LUX", u"LU", u"442", u"Luxembourg"},
    {u"LVA", u"LV", u"428", u"Latvia"},
    {u"MAC", u"MO", u"446", u"Macao"},
    {u"MAF", u"MF", u"663", u"Saint Martin (French part)"},
    {u"MAR", u"MA", u"504", u"Morocco"},
    {u"MCO", u"MC", u"492", u"Monaco"},
    {u"MDA", u"MD", u"498", u"Moldova"},
    {u"MDG", u"MG", u"450", u"Madagascar"},
    {u"MDV", u"MV", u"462", u"Maldives"},
    {u"MEX", u"MX", u"484", u"Mexico"},
    {u"MHL", u"MH", u"584", u"Marshall Islands"},
    {u"MKD", u"MK", u"807", u"North Macedonia"},
    {u"MLI", u"ML", u"466", u"Mali"},
    {u"MLT", u"MT", u"470", u"Malta"},
    {u"MMR", u"MM", u"104", u"Myanmar"},
    {u"MNE", u"ME", u"499", u"Montenegro"},
    {u"MNG", u"MN", u"496", u"Mongolia"},
    {u"MNP", u"MP", u"580", u"Northern Mariana Islands"},
    {u"MOZ", u"MZ", u"508", u"Mozambique"},
    {u"MRT", u"MR", u"478", u"Mauritania"},
    {u"MSR", u"MS", u"500", u"Montserrat"},
    {u"MTQ", u"MQ", u"474", u"Martinique"},
    {u"MUS", u"MU", u"480", u"Mauritius"},
    {u"MWI", u"MW", u"454", u"Malawi"},
    {u"MYS", u"MY", u"458", u"Malaysia"},
    {u"MYT", u"YT", u"175", u"Mayotte"},
    {u"NAM", u"NA", u"516", u"Namibia"},
    {u"NCL", u"NC", u"540", u"New Caledonia"},
    {u"NER", u"NE", u"562", u"Niger"},
    {u"NFK", u"NF", u"574", u"Norfolk Island"},
    {u"NGA", u"NG", u"566", u"Nigeria"},
    {u"NIC", u"NI", u"558", u"Nicaragua"},
    {u"NIU", u"NU", u"570", u"Niue"},
    {u"NLD", u"NL", u"528", u"Netherlands"},
    {u"NOR", u"NO", u"578", u"Norway"},
    {u"NPL", u"NP", u"524", u"Nepal"},
    {u"NRU", u"NR", u"520", u"Nauru"},
    {u"NZL", u"NZ", u"554", u"New Zealand"},
    {u"OMN", u"OM", u"512", u"Oman"},
    {u"PAK", u"PK", u"586", u"Pakistan"},
    {u"PAN", u"PA", u"591", u"Panama"},
    {u"PCN", u"PN", u"612", u"Pitcairn"},
    {u"PER", u"PE", u"604", u"Peru"},
    {u"PHL", u"PH", u"608", u"Philippines"},
    {u"PLW", u"PW", u"585", u"Palau"},
    {u"PNG", u"PG", u"598", u"Papua New Guinea"},
    {u"POL", u"PL", u"616", u"Poland"},
    {u"PRI", u"PR", u"630", u"Puerto Rico"},
    {u"PRK", u"KP", u"408", u"North Korea"},
    {u"PRT", u"PT", u"620", u"Portugal"},
    {u"PRY", u"PY", u"600", u"Paraguay"},
    {u"PSE", u"PS", u"275", u"Palestine, State of"},
    {u"PYF", u"PF", u"258", u"French Polynesia"},
    {u"QAT", u"QA", u"634", u"Qatar"},
    {u"REU", u"RE", u"638", u"Réunion"},
    {u"ROU", u"RO", u"642", u"Romania"},
    {u"RUS", u"RU", u"643", u"Russian Federation"},
    {u"RWA", u"RW", u"646", u"Rwanda"},
    {u"SAU", u"SA", u"682", u"Saudi Arabia"},
    {u"SDN", u"SD", u"729", u"Sudan"},
    {u"SEN", u"SN", u"686", u"Senegal"},
    {u"SGP", u"SG", u"702", u"Singapore"},
    {u"SGS", u"GS", u"239", u"South Georgia and the South Sandwich Islands"},
    {u"SHN", u"SH", u"654", u"Saint Helena, Ascension and Tristan da Cunha"},
    {u"SJM", u"SJ", u"744", u"Svalbard and Jan Mayen"},
    {u"SLB", u"SB", u"090", u"Solomon Islands"},
    {u"SLE", u"SL", u"694", u"Sierra Leone"},
    {u"SLV", u"SV", u"222", u"El Salvador"},
    {u"SMR", u"SM", u"674", u"San Marino"},
    {u"SOM", u"SO", u"706", u"Somalia"},
    {u"SPM", u"PM", u"666", u"Saint Pierre and Miquelon"},
    {u"SRB", u"RS", u"688", u"Serbia"},
    {u"SSD", u"SS", u"728", u"South Sudan"},
    {u"STP", u"ST", u"678", u"Sao Tome and Principe"},
    {u"SUR", u"SR", u"740", u"Suriname"},
    {u"SVK", u"SK", u"703", u"Slovakia"},
    {u"SVN", u"SI", u"705", u"Slovenia"},
    {u"SWE", u"SE", u"752", u"Sweden"},
    {u"SWZ", u"SZ", u"748", u"Eswatini"},
    {u"SXM", u"SX", u"534", u"Sint Maarten (Dutch part)"},
    {u"SYC", u"SC", u"690", u"Seychelles"},
    {u"SYR", u"SY", u"760", u"Syria"},
    {u"TCA", u"TC", u"796", u"Turks and Caicos Islands"},
    {u"TCD", u"TD", u"148", u"Chad"},
    {u"TGO", u"TG", u"768", u"Togo"},
    {u"THA", u"TH", u"764", u"Thailand"},
    {u"TJK", u"TJ", u"762", u"Tajikistan"},
    {u"TKL", u"TK", u"772", u"Tokelau"},
    {u"TKM", u"TM", u"795", u"Turkmenistan"},
    {u"TLS", u"TL", u"626", u"Timor-Leste"},
    {u"TON", u"TO", u"776", u"Tonga"},
    {u"TTO", u"TT", u"780", u"Trinidad and Tobago"},
    {u"TUN", u"TN", u"788", u"Tunisia"},
    {u"TUR", u"TR", u"792", u"Türkiye"},
    {u"TUV", u"TV", u"798", u"Tuvalu"},
    {u"TWN", u"TW", u"158", u"Taiwan"},
    {u"TZA", u"TZ", u"834", u"Tanzania"},
    {u"UGA", u"UG", u"800", u"Uganda"},
    {u"UKR", u"UA", u"804", u"Ukraine"},
    {u"UMI", u"UM", u"581", u"United States Minor Outlying Islands"},
    {u"URY", u"UY", u"858", u"Uruguay"},
    {u"USA", u"US", u"840", u"United States"},
    {u"UZB", u"UZ", u"860", u"Uzbekistan"},
    {u"VAT", u"VA", u"336", u"Holy See (Vatican City State)"},
    {u"VCT", u"VC", u"670", u"Saint Vincent and the Grenadines"},
    {u"VEN", u"VE", u"862", u"Venezuela"},
    {u"VGB", u"VG", u"092", u"Virgin Islands, British"},
    {u"VIR", u"VI", u"850", u"Virgin Islands, U.S."},
    {u"VNM", u"VN", u"704", u"Vietnam"},
    {u"VUT", u"VU", u"548", u"Vanuatu"},
    {u"WLF", u"WF", u"876", u"Wallis and Futuna"},
    {u"WSM", u"WS", u"882", u"Samoa"},
    {u"YEM", u"YE", u"887", u"Yemen"},
    {u"ZAF", u"ZA", u"710", u"South Africa"},
    {u"ZMB", u"ZM", u"894", u"Zambia"},
    {u"ZWE", u"ZW", u"716", u"Zimbabwe"},
};

QString text(const char16_t* characters)
{
    return QString::fromUtf16(characters);
}

} // namespace

const QList<Country>& Country::allCases()
{
    static const QList<Country> countries = [] {
        QList<Country> list;
        for (const Entry& entry : entries)
            list.append(Country(&entry));
        return list;
    }();
    return countries;
}

std::optional<Country> Country::fromCode(const QString& text)
{
    QString code = text.trimmed().toUpper();
    bool isNumber = false;
    const int number = code.toInt(&isNumber);
    if (isNumber && code.size() <= 3 && number >= 0)
        code = QStringLiteral("%1").arg(number, 3, 10, QLatin1Char('0'));
    if (code.isEmpty())
        return std::nullopt;
    for (const Country& country : allCases()) {
        if (country.alpha3() == code || country.alpha2() == code || country.numeric() == code)
            return country;
    }
    return std::nullopt;
}

QString Country::alpha3() const
{
    return text(entry_->alpha3);
}

QString Country::alpha2() const
{
    return text(entry_->alpha2);
}

QString Country::numeric() const
{
    return text(entry_->numeric);
}

QString Country::englishName() const
{
    return text(entry_->englishName);
}

QString Country::localizedName(const QLocale& locale) const
{
    const QLocale::Language language = locale.language();
    if (language == QLocale::English || language == QLocale::C || language == QLocale::AnyLanguage)
        return englishName();
    const QLocale::Territory territory = QLocale::codeToTerritory(alpha2());
    if (territory == QLocale::AnyTerritory)
        return englishName();
    // Qt falls back to another territory when it has no locale for this pair.
    const QLocale native(language, territory);
    if (native.language() == language && native.territory() == territory) {
        const QString name = native.nativeTerritoryName();
        if (!name.isEmpty())
            return name;
    }
    return englishName();
}

} // namespace halvex
