#include "lexstats/headings/base_heading_consts.h"

#include <algorithm>
#include <iterator>

namespace lx {

// Identifiers: _LXHeading<n> is the caption of catalogue number n, _LXHeadingHint<n> its hint.
LX_RESOURCESTRING(_LXHeading100, u"N")
LX_RESOURCESTRING(_LXHeading101, u"Word")
LX_RESOURCESTRING(_LXHeading102, u"Freq.")
LX_RESOURCESTRING(_LXHeadingHint102, u"frequency")
LX_RESOURCESTRING(_LXHeading103, u"%")
LX_RESOURCESTRING(_LXHeadingHint103, u"% of running words")
LX_RESOURCESTRING(_LXHeading104, u"Texts")
LX_RESOURCESTRING(_LXHeadingHint104, u"number of texts")
LX_RESOURCESTRING(_LXHeading105, u"%")
LX_RESOURCESTRING(_LXHeadingHint105, u"% of texts")
LX_RESOURCESTRING(_LXHeading106, u"Dispersion")
LX_RESOURCESTRING(_LXHeadingHint106, u"Dispersion")
LX_RESOURCESTRING(_LXHeading107, u"Lemmas")
LX_RESOURCESTRING(_LXHeadingHint107, u"joined words")
LX_RESOURCESTRING(_LXHeading108, u"Set")
LX_RESOURCESTRING(_LXHeadingHint108, u"user-defined class")
LX_RESOURCESTRING(_LXHeading200, u"N")
LX_RESOURCESTRING(_LXHeading201, u"Key word")
LX_RESOURCESTRING(_LXHeadingHint201, u"click to sort")
LX_RESOURCESTRING(_LXHeading202, u"Freq.")
LX_RESOURCESTRING(_LXHeadingHint202, u"frequency in this text")
LX_RESOURCESTRING(_LXHeading203, u"%")
LX_RESOURCESTRING(_LXHeadingHint203, u"% in this text")
LX_RESOURCESTRING(_LXHeading204, u"Texts")
LX_RESOURCESTRING(_LXHeadingHint204, u"number of texts")
LX_RESOURCESTRING(_LXHeading205, u"RC. Freq.")
LX_RESOURCESTRING(_LXHeadingHint205, u"frequency in reference corpus")
LX_RESOURCESTRING(_LXHeading206, u"RC. %")
LX_RESOURCESTRING(_LXHeadingHint206, u"% of reference corpus tokens")
LX_RESOURCESTRING(_LXHeading207, u"BIC")
LX_RESOURCESTRING(_LXHeadingHint207, u"BIC score (Bayes factor)")
LX_RESOURCESTRING(_LXHeading208, u"Log_L")
LX_RESOURCESTRING(_LXHeadingHint208, u"Log Likelihood")
LX_RESOURCESTRING(_LXHeading209, u"Log_R")
LX_RESOURCESTRING(_LXHeadingHint209, u"Log Ratio")
LX_RESOURCESTRING(_LXHeading210, u"P")
LX_RESOURCESTRING(_LXHeadingHint210, u"significance")
LX_RESOURCESTRING(_LXHeading211, u"Lemmas")
LX_RESOURCESTRING(_LXHeadingHint211, u"joined KWs")
LX_RESOURCESTRING(_LXHeading212, u"Set")
LX_RESOURCESTRING(_LXHeadingHint212, u"user-defined class")
LX_RESOURCESTRING(_LXHeading300, u"N")
LX_RESOURCESTRING(_LXHeading301, u"KW")
LX_RESOURCESTRING(_LXHeadingHint301, u"Key word")
LX_RESOURCESTRING(_LXHeading302, u"Texts")
LX_RESOURCESTRING(_LXHeadingHint302, u"no. of texts")
LX_RESOURCESTRING(_LXHeading303, u"%")
LX_RESOURCESTRING(_LXHeadingHint303, u"% of texts")
LX_RESOURCESTRING(_LXHeading304, u"Overall Freq.")
LX_RESOURCESTRING(_LXHeadingHint304, u"total frequency as a KW")
LX_RESOURCESTRING(_LXHeading305, u"No. Ass.")
LX_RESOURCESTRING(_LXHeadingHint305, u"number of associates")
LX_RESOURCESTRING(_LXHeading306, u"Associates")
LX_RESOURCESTRING(_LXHeadingHint306, u"top associates")
LX_RESOURCESTRING(_LXHeading307, u"Set")
LX_RESOURCESTRING(_LXHeadingHint307, u"user-defined class")
LX_RESOURCESTRING(_LXHeading400, u"N")
LX_RESOURCESTRING(_LXHeading401, u"File 1")
LX_RESOURCESTRING(_LXHeading402, u"Count")
LX_RESOURCESTRING(_LXHeadingHint402, u"number of types in file 1")
LX_RESOURCESTRING(_LXHeading403, u"File 2")
LX_RESOURCESTRING(_LXHeading404, u"Count")
LX_RESOURCESTRING(_LXHeadingHint404, u"number of types in file 2")
LX_RESOURCESTRING(_LXHeading405, u"Joint")
LX_RESOURCESTRING(_LXHeadingHint405, u"number of joint types")
LX_RESOURCESTRING(_LXHeading406, u"Relation")
LX_RESOURCESTRING(_LXHeadingHint406, u"relation strength")
LX_RESOURCESTRING(_LXHeading407, u"Set")
LX_RESOURCESTRING(_LXHeadingHint407, u"user-defined class")
LX_RESOURCESTRING(_LXHeading500, u"N")
LX_RESOURCESTRING(_LXHeading501, u"Word")
LX_RESOURCESTRING(_LXHeading502, u"Total")
LX_RESOURCESTRING(_LXHeadingHint502, u"frequency")
LX_RESOURCESTRING(_LXHeading503, u"Texts")
LX_RESOURCESTRING(_LXHeadingHint503, u"number of texts")
LX_RESOURCESTRING(_LXHeading504, u"No. of Lemmas")
LX_RESOURCESTRING(_LXHeadingHint504, u"number of joined words")
LX_RESOURCESTRING(_LXHeading505, u"Set")
LX_RESOURCESTRING(_LXHeadingHint505, u"user-defined class")
LX_RESOURCESTRING(_LXHeading600, u"N")
LX_RESOURCESTRING(_LXHeading601, u"Word")
LX_RESOURCESTRING(_LXHeading602, u"With")
LX_RESOURCESTRING(_LXHeadingHint602, u"search-word")
LX_RESOURCESTRING(_LXHeading603, u"Dice")
LX_RESOURCESTRING(_LXHeadingHint603, u"Dice score")
LX_RESOURCESTRING(_LXHeading604, u"MI")
LX_RESOURCESTRING(_LXHeadingHint604, u"mutual information score")
LX_RESOURCESTRING(_LXHeading605, u"MI3")
LX_RESOURCESTRING(_LXHeadingHint605, u"MI3 score")
LX_RESOURCESTRING(_LXHeading606, u"Z")
LX_RESOURCESTRING(_LXHeadingHint606, u"Z score")
LX_RESOURCESTRING(_LXHeading607, u"Log_L")
LX_RESOURCESTRING(_LXHeadingHint607, u"log likelihood score")
LX_RESOURCESTRING(_LXHeading608, u"T")
LX_RESOURCESTRING(_LXHeadingHint608, u"T score")
LX_RESOURCESTRING(_LXHeading609, u"Log_R")
LX_RESOURCESTRING(_LXHeadingHint609, u"log ratio score")
LX_RESOURCESTRING(_LXHeading610, u"CondProbA")
LX_RESOURCESTRING(_LXHeadingHint610, u"conditional probability A")
LX_RESOURCESTRING(_LXHeading611, u"CondProbB")
LX_RESOURCESTRING(_LXHeadingHint611, u"conditional probability B")
LX_RESOURCESTRING(_LXHeading612, u"DeltaPA")
LX_RESOURCESTRING(_LXHeadingHint612, u"delta probability A")
LX_RESOURCESTRING(_LXHeading613, u"DeltaPB")
LX_RESOURCESTRING(_LXHeadingHint613, u"delta probability B")
LX_RESOURCESTRING(_LXHeading614, u"Set")
LX_RESOURCESTRING(_LXHeadingHint614, u"user-defined class")
LX_RESOURCESTRING(_LXHeading615, u"Texts")
LX_RESOURCESTRING(_LXHeadingHint615, u"number of texts")
LX_RESOURCESTRING(_LXHeading616, u"Total")
LX_RESOURCESTRING(_LXHeadingHint616, u"total overall")
LX_RESOURCESTRING(_LXHeading617, u"Total Left")
LX_RESOURCESTRING(_LXHeadingHint617, u"total to the left")
LX_RESOURCESTRING(_LXHeading618, u"Total Right")
LX_RESOURCESTRING(_LXHeadingHint618, u"total to the right")
LX_RESOURCESTRING(_LXHeading1100, u"N")
LX_RESOURCESTRING(_LXHeading1101, u"Concordance")
LX_RESOURCESTRING(_LXHeadingHint1101, u"click to sort")
LX_RESOURCESTRING(_LXHeading1102, u"Set")
LX_RESOURCESTRING(_LXHeadingHint1102, u"user-defined class")
LX_RESOURCESTRING(_LXHeading1103, u"Tag")
LX_RESOURCESTRING(_LXHeadingHint1103, u"tag context")
LX_RESOURCESTRING(_LXHeading1104, u"Word #")
LX_RESOURCESTRING(_LXHeadingHint1104, u"word number in the text")
LX_RESOURCESTRING(_LXHeading1105, u"Sent. #")
LX_RESOURCESTRING(_LXHeadingHint1105, u"sentence number")
LX_RESOURCESTRING(_LXHeading1106, u"Sent. Pos.")
LX_RESOURCESTRING(_LXHeadingHint1106, u"sentence position")
LX_RESOURCESTRING(_LXHeading1107, u"Para. #")
LX_RESOURCESTRING(_LXHeadingHint1107, u"paragraph number")
LX_RESOURCESTRING(_LXHeading1108, u"Para. Pos.")
LX_RESOURCESTRING(_LXHeadingHint1108, u"paragraph position")
LX_RESOURCESTRING(_LXHeading1109, u"Head. #")
LX_RESOURCESTRING(_LXHeadingHint1109, u"heading number")
LX_RESOURCESTRING(_LXHeading1110, u"Head. Pos.")
LX_RESOURCESTRING(_LXHeadingHint1110, u"heading position")
LX_RESOURCESTRING(_LXHeading1111, u"Sect. #")
LX_RESOURCESTRING(_LXHeadingHint1111, u"section number")
LX_RESOURCESTRING(_LXHeading1112, u"Sect. Pos.")
LX_RESOURCESTRING(_LXHeadingHint1112, u"section position")
LX_RESOURCESTRING(_LXHeading1113, u"File")
LX_RESOURCESTRING(_LXHeadingHint1113, u"filename")
LX_RESOURCESTRING(_LXHeading1114, u"Date")
LX_RESOURCESTRING(_LXHeadingHint1114, u"text date")
LX_RESOURCESTRING(_LXHeading1115, u"%")
LX_RESOURCESTRING(_LXHeadingHint1115, u"% position in its text")
LX_RESOURCESTRING(_LXHeading1200, u"N")
LX_RESOURCESTRING(_LXHeading1201, u"Key word")
LX_RESOURCESTRING(_LXHeadingHint1201, u"Key word")
LX_RESOURCESTRING(_LXHeading1202, u"Dispersion")
LX_RESOURCESTRING(_LXHeadingHint1202, u"amount of dispersion")
LX_RESOURCESTRING(_LXHeading1203, u"Keyness")
LX_RESOURCESTRING(_LXHeadingHint1203, u"Keyness")
LX_RESOURCESTRING(_LXHeading1204, u"Link tokens")
LX_RESOURCESTRING(_LXHeadingHint1204, u"links with other KWs (tokens)")
LX_RESOURCESTRING(_LXHeading1205, u"Hits")
LX_RESOURCESTRING(_LXHeadingHint1205, u"frequency in the text")
LX_RESOURCESTRING(_LXHeading1206, u"Plot")
LX_RESOURCESTRING(_LXHeadingHint1206, u"plot of distribution in the text")
LX_RESOURCESTRING(_LXHeading1300, u"N")
LX_RESOURCESTRING(_LXHeading1301, u"File")
LX_RESOURCESTRING(_LXHeading1302, u"Words")
LX_RESOURCESTRING(_LXHeadingHint1302, u"running words in text")
LX_RESOURCESTRING(_LXHeading1303, u"Hits")
LX_RESOURCESTRING(_LXHeadingHint1303, u"frequency in the text")
LX_RESOURCESTRING(_LXHeading1304, u"per 1,000")
LX_RESOURCESTRING(_LXHeadingHint1304, u"per 1,000 words")
LX_RESOURCESTRING(_LXHeading1305, u"Dispersion")
LX_RESOURCESTRING(_LXHeadingHint1305, u"amount of dispersion")
LX_RESOURCESTRING(_LXHeading1306, u"Plot")
LX_RESOURCESTRING(_LXHeadingHint1306, u"plot of distribution in the text")
LX_RESOURCESTRING(_LXHeading1400, u"N")
LX_RESOURCESTRING(_LXHeading1401, u"Cluster")
LX_RESOURCESTRING(_LXHeadingHint1401, u"computed cluster")
LX_RESOURCESTRING(_LXHeading1402, u"Freq.")
LX_RESOURCESTRING(_LXHeadingHint1402, u"frequency in concordance")
LX_RESOURCESTRING(_LXHeading1403, u"Set")
LX_RESOURCESTRING(_LXHeadingHint1403, u"user-defined class")
LX_RESOURCESTRING(_LXHeading1404, u"Length")
LX_RESOURCESTRING(_LXHeadingHint1404, u"cluster length")
LX_RESOURCESTRING(_LXHeading1405, u"Related")
LX_RESOURCESTRING(_LXHeadingHint1405, u"related clusters")
LX_RESOURCESTRING(_LXHeading1500, u"N")
LX_RESOURCESTRING(_LXHeading1501, u"L5")
LX_RESOURCESTRING(_LXHeadingHint1501, u"5th to the left")
LX_RESOURCESTRING(_LXHeading1502, u"L4")
LX_RESOURCESTRING(_LXHeadingHint1502, u"4th to the left")
LX_RESOURCESTRING(_LXHeading1503, u"L3")
LX_RESOURCESTRING(_LXHeadingHint1503, u"3rd to the left")
LX_RESOURCESTRING(_LXHeading1504, u"L2")
LX_RESOURCESTRING(_LXHeadingHint1504, u"2nd to the left")
LX_RESOURCESTRING(_LXHeading1505, u"L1")
LX_RESOURCESTRING(_LXHeadingHint1505, u"word to the left")
LX_RESOURCESTRING(_LXHeading1506, u"Centre")
LX_RESOURCESTRING(_LXHeadingHint1506, u"centre word")
LX_RESOURCESTRING(_LXHeading1507, u"R1")
LX_RESOURCESTRING(_LXHeadingHint1507, u"word to the right")
LX_RESOURCESTRING(_LXHeading1508, u"R2")
LX_RESOURCESTRING(_LXHeadingHint1508, u"2nd to the right")
LX_RESOURCESTRING(_LXHeading1509, u"R3")
LX_RESOURCESTRING(_LXHeadingHint1509, u"3rd to the right")
LX_RESOURCESTRING(_LXHeading1510, u"R4")
LX_RESOURCESTRING(_LXHeadingHint1510, u"4th to the right")
LX_RESOURCESTRING(_LXHeading1511, u"R5")
LX_RESOURCESTRING(_LXHeadingHint1511, u"5th to the right")
LX_RESOURCESTRING(_LXHeading1600, u"N")
LX_RESOURCESTRING(_LXHeading1601, u"Associate")
LX_RESOURCESTRING(_LXHeadingHint1601, u"Associate")
LX_RESOURCESTRING(_LXHeading1602, u"Strength")
LX_RESOURCESTRING(_LXHeadingHint1602, u"strength of association")
LX_RESOURCESTRING(_LXHeading1603, u"Texts")
LX_RESOURCESTRING(_LXHeadingHint1603, u"number of texts")
LX_RESOURCESTRING(_LXHeading1604, u"%")
LX_RESOURCESTRING(_LXHeadingHint1604, u"% of texts")
LX_RESOURCESTRING(_LXHeading1605, u"Set")
LX_RESOURCESTRING(_LXHeadingHint1605, u"user-defined class")
LX_RESOURCESTRING(_LXHeading1800, u"N")
LX_RESOURCESTRING(_LXHeading1801, u"filename")
LX_RESOURCESTRING(_LXHeadingHint1801, u"source text filename")
LX_RESOURCESTRING(_LXHeading1900, u"N")
LX_RESOURCESTRING(_LXHeading1901, u"Key word")
LX_RESOURCESTRING(_LXHeadingHint1901, u"Key word")
LX_RESOURCESTRING(_LXHeading1902, u"Link types")
LX_RESOURCESTRING(_LXHeadingHint1902, u"links to other KWs (types)")
LX_RESOURCESTRING(_LXHeading1903, u"Hits")
LX_RESOURCESTRING(_LXHeadingHint1903, u"frequency in text")
LX_RESOURCESTRING(_LXHeading1904, u"Linked KWs")
LX_RESOURCESTRING(_LXHeadingHint1904, u"Linked KWs")
LX_RESOURCESTRING(_LXHeading2000, u"N")
LX_RESOURCESTRING(_LXHeading2001, u"text file")
LX_RESOURCESTRING(_LXHeading2002, u"file size")
LX_RESOURCESTRING(_LXHeading2003, u"tokens (running words) in text")
LX_RESOURCESTRING(_LXHeading2004, u"tokens used for word list")
LX_RESOURCESTRING(_LXHeading2005, u"sum of entries")
LX_RESOURCESTRING(_LXHeading2006, u"types (distinct words)")
LX_RESOURCESTRING(_LXHeading2007, u"type/token ratio (TTR)")
LX_RESOURCESTRING(_LXHeading2008, u"standardised TTR")
LX_RESOURCESTRING(_LXHeading2009, u"STTR std.dev.")
LX_RESOURCESTRING(_LXHeading2010, u"STTR basis")
LX_RESOURCESTRING(_LXHeading2011, u"mean word length (in characters)")
LX_RESOURCESTRING(_LXHeading2012, u"word length std.dev.")
LX_RESOURCESTRING(_LXHeading2013, u"sentences")
LX_RESOURCESTRING(_LXHeading2014, u"mean (in words)")
LX_RESOURCESTRING(_LXHeading2015, u"std.dev.")
LX_RESOURCESTRING(_LXHeading2016, u"paragraphs")
LX_RESOURCESTRING(_LXHeading2017, u"mean (in words)")
LX_RESOURCESTRING(_LXHeading2018, u"std.dev.")
LX_RESOURCESTRING(_LXHeading2019, u"headings")
LX_RESOURCESTRING(_LXHeading2020, u"mean (in words)")
LX_RESOURCESTRING(_LXHeading2021, u"std.dev.")
LX_RESOURCESTRING(_LXHeading2022, u"sections")
LX_RESOURCESTRING(_LXHeading2023, u"mean (in words)")
LX_RESOURCESTRING(_LXHeading2024, u"std.dev.")
LX_RESOURCESTRING(_LXHeading2025, u"numbers removed")
LX_RESOURCESTRING(_LXHeading2026, u"stoplist tokens removed")
LX_RESOURCESTRING(_LXHeading2027, u"stoplist types removed")
LX_RESOURCESTRING(_LXHeading2028, u"1-letter words")
LX_RESOURCESTRING(_LXHeading2029, u"2-letter words")
LX_RESOURCESTRING(_LXHeading2030, u"3-letter words")
LX_RESOURCESTRING(_LXHeading2031, u"4-letter words")
LX_RESOURCESTRING(_LXHeading2032, u"5-letter words")
LX_RESOURCESTRING(_LXHeading2033, u"6-letter words")
LX_RESOURCESTRING(_LXHeading2034, u"7-letter words")
LX_RESOURCESTRING(_LXHeading2035, u"8-letter words")
LX_RESOURCESTRING(_LXHeading2036, u"9-letter words")
LX_RESOURCESTRING(_LXHeading2037, u"10-letter words")
LX_RESOURCESTRING(_LXHeading2038, u"11-letter words")
LX_RESOURCESTRING(_LXHeading2039, u"12-letter words")
LX_RESOURCESTRING(_LXHeading2040, u"13-letter words")
LX_RESOURCESTRING(_LXHeading2041, u"14-letter words")
LX_RESOURCESTRING(_LXHeading2042, u"15-letter words")
LX_RESOURCESTRING(_LXHeading2043, u"16-letter words")
LX_RESOURCESTRING(_LXHeading2044, u"17-letter words")
LX_RESOURCESTRING(_LXHeading2045, u"18-letter words")
LX_RESOURCESTRING(_LXHeading2046, u"19-letter words")
LX_RESOURCESTRING(_LXHeading2047, u"20-letter words")
LX_RESOURCESTRING(_LXHeading2048, u"21-letter words")
LX_RESOURCESTRING(_LXHeading2049, u"22-letter words")
LX_RESOURCESTRING(_LXHeading2050, u"23-letter words")
LX_RESOURCESTRING(_LXHeading2051, u"24-letter words")
LX_RESOURCESTRING(_LXHeading2052, u"25-letter words")
LX_RESOURCESTRING(_LXHeading2053, u"26-letter words")
LX_RESOURCESTRING(_LXHeading2054, u"27-letter words")
LX_RESOURCESTRING(_LXHeading2055, u"28-letter words")
LX_RESOURCESTRING(_LXHeading2056, u"29-letter words")
LX_RESOURCESTRING(_LXHeading2057, u"30-letter words")
LX_RESOURCESTRING(_LXHeading2058, u"31-letter words")
LX_RESOURCESTRING(_LXHeading2059, u"32-letter words")
LX_RESOURCESTRING(_LXHeading2060, u"33-letter words")
LX_RESOURCESTRING(_LXHeading2061, u"34-letter words")
LX_RESOURCESTRING(_LXHeading2062, u"35-letter words")
LX_RESOURCESTRING(_LXHeading2063, u"36-letter words")
LX_RESOURCESTRING(_LXHeading2064, u"37-letter words")
LX_RESOURCESTRING(_LXHeading2065, u"38-letter words")
LX_RESOURCESTRING(_LXHeading2066, u"39-letter words")
LX_RESOURCESTRING(_LXHeading2067, u"40-letter words")
LX_RESOURCESTRING(_LXHeading2068, u"41-letter words")
LX_RESOURCESTRING(_LXHeading2069, u"42-letter words")
LX_RESOURCESTRING(_LXHeading2070, u"43-letter words")
LX_RESOURCESTRING(_LXHeading2071, u"44-letter words")
LX_RESOURCESTRING(_LXHeading2072, u"45-letter words")
LX_RESOURCESTRING(_LXHeading2073, u"46-letter words")
LX_RESOURCESTRING(_LXHeading2074, u"47-letter words")
LX_RESOURCESTRING(_LXHeading2075, u"48-letter words")
LX_RESOURCESTRING(_LXHeading2076, u"49-letter words")
LX_RESOURCESTRING(_LXHeading2077, u"50-letter words")
LX_RESOURCESTRING(_LXHeading2100, u"N")
LX_RESOURCESTRING(_LXHeading2101, u"File")
LX_RESOURCESTRING(_LXHeading2102, u"Words (approx.)")
LX_RESOURCESTRING(_LXHeadingHint2102, u"approximate running words in text")
LX_RESOURCESTRING(_LXHeading2103, u"Hits")
LX_RESOURCESTRING(_LXHeadingHint2103, u"frequency in the text")
LX_RESOURCESTRING(_LXHeading2104, u"per 1,000")
LX_RESOURCESTRING(_LXHeadingHint2104, u"per 1,000 words")
LX_RESOURCESTRING(_LXHeading2105, u"Spread")
LX_RESOURCESTRING(_LXHeadingHint2105, u"amount of spread")
LX_RESOURCESTRING(_LXHeading2106, u"Timeline")
LX_RESOURCESTRING(_LXHeadingHint2106, u"text times & dates")
LX_RESOURCESTRING(_LXHeading2200, u"N")
LX_RESOURCESTRING(_LXHeading2201, u"sentences")
LX_RESOURCESTRING(_LXHeadingHint2201, u"sentences")
LX_RESOURCESTRING(_LXHeading2202, u"paragraphs")
LX_RESOURCESTRING(_LXHeadingHint2202, u"paragraphs")
LX_RESOURCESTRING(_LXHeading2300, u"N")
LX_RESOURCESTRING(_LXHeading2301, u"Text")
LX_RESOURCESTRING(_LXHeadingHint2301, u"Text")
LX_RESOURCESTRING(_LXHeading2500, u"N")
LX_RESOURCESTRING(_LXHeading2501, u"KW Cluster")
LX_RESOURCESTRING(_LXHeadingHint2501, u"KW Cluster")
LX_RESOURCESTRING(_LXHeading2502, u"Freq.")
LX_RESOURCESTRING(_LXHeadingHint2502, u"frequency in these KWs")
LX_RESOURCESTRING(_LXHeading2900, u"N")
LX_RESOURCESTRING(_LXHeading2901, u"Word 1")
LX_RESOURCESTRING(_LXHeading2902, u"Freq.")
LX_RESOURCESTRING(_LXHeadingHint2902, u"frequency word 1")
LX_RESOURCESTRING(_LXHeading2903, u"Word 2")
LX_RESOURCESTRING(_LXHeading2904, u"Freq.")
LX_RESOURCESTRING(_LXHeadingHint2904, u"frequency word 2")
LX_RESOURCESTRING(_LXHeading2905, u"Texts")
LX_RESOURCESTRING(_LXHeadingHint2905, u"texts with pair")
LX_RESOURCESTRING(_LXHeading2906, u"Gap")
LX_RESOURCESTRING(_LXHeadingHint2906, u"typical gap distance")
LX_RESOURCESTRING(_LXHeading2907, u"Joint")
LX_RESOURCESTRING(_LXHeadingHint2907, u"joint frequency")
LX_RESOURCESTRING(_LXHeading2908, u"MI")
LX_RESOURCESTRING(_LXHeadingHint2908, u"mutual information score")
LX_RESOURCESTRING(_LXHeading2909, u"Z")
LX_RESOURCESTRING(_LXHeadingHint2909, u"Z score")
LX_RESOURCESTRING(_LXHeading2910, u"MI3")
LX_RESOURCESTRING(_LXHeadingHint2910, u"MI3 score")
LX_RESOURCESTRING(_LXHeading2911, u"Log L.")
LX_RESOURCESTRING(_LXHeadingHint2911, u"log likelihood score")
LX_RESOURCESTRING(_LXHeading2912, u"T score")
LX_RESOURCESTRING(_LXHeadingHint2912, u"T score")
LX_RESOURCESTRING(_LXHeading2913, u"Dice")
LX_RESOURCESTRING(_LXHeadingHint2913, u"dice coefficient")
LX_RESOURCESTRING(_LXHeading2914, u"Log Ratio")
LX_RESOURCESTRING(_LXHeadingHint2914, u"Log Ratio")
LX_RESOURCESTRING(_LXHeading2915, u"CondProbA")
LX_RESOURCESTRING(_LXHeadingHint2915, u"conditional probability A")
LX_RESOURCESTRING(_LXHeading2916, u"CondProbB")
LX_RESOURCESTRING(_LXHeadingHint2916, u"conditional probability B")
LX_RESOURCESTRING(_LXHeading2917, u"DeltaPA")
LX_RESOURCESTRING(_LXHeadingHint2917, u"delta probability A")
LX_RESOURCESTRING(_LXHeading2918, u"DeltaPB")
LX_RESOURCESTRING(_LXHeadingHint2918, u"delta probability B")
LX_RESOURCESTRING(_LXHeading2919, u"Set")
LX_RESOURCESTRING(_LXHeadingHint2919, u"user-defined class")
LX_RESOURCESTRING(_LXHeading3400, u"N")
LX_RESOURCESTRING(_LXHeading3401, u"Chargram")
LX_RESOURCESTRING(_LXHeading3402, u"Position")
LX_RESOURCESTRING(_LXHeadingHint3402, u"word-position")
LX_RESOURCESTRING(_LXHeading3403, u"Freq.")
LX_RESOURCESTRING(_LXHeadingHint3403, u"frequency")
LX_RESOURCESTRING(_LXHeading3404, u"Length")
LX_RESOURCESTRING(_LXHeadingHint3404, u"Length")
LX_RESOURCESTRING(_LXHeading3405, u"Texts")
LX_RESOURCESTRING(_LXHeadingHint3405, u"number of texts")
LX_RESOURCESTRING(_LXHeading3406, u"%")
LX_RESOURCESTRING(_LXHeadingHint3406, u"% of texts")
LX_RESOURCESTRING(_LXHeading3407, u"Contexts")
LX_RESOURCESTRING(_LXHeadingHint3407, u"typical contexts")
LX_RESOURCESTRING(_LXHeading3408, u"Set")
LX_RESOURCESTRING(_LXHeadingHint3408, u"user-defined class")
LX_RESOURCESTRING(_LXHeading3500, u"N")
LX_RESOURCESTRING(_LXHeading3501, u"L3")
LX_RESOURCESTRING(_LXHeadingHint3501, u"3rd to the left")
LX_RESOURCESTRING(_LXHeading3502, u"L2")
LX_RESOURCESTRING(_LXHeadingHint3502, u"2nd to the left")
LX_RESOURCESTRING(_LXHeading3503, u"L1")
LX_RESOURCESTRING(_LXHeadingHint3503, u"1st to the left")
LX_RESOURCESTRING(_LXHeading3504, u"Centre")
LX_RESOURCESTRING(_LXHeadingHint3504, u"Centre")
LX_RESOURCESTRING(_LXHeading3505, u"R1")
LX_RESOURCESTRING(_LXHeadingHint3505, u"1st to the right")
LX_RESOURCESTRING(_LXHeading3506, u"R2")
LX_RESOURCESTRING(_LXHeadingHint3506, u"2nd to the right")
LX_RESOURCESTRING(_LXHeading3507, u"R3")
LX_RESOURCESTRING(_LXHeadingHint3507, u"3rd to the right")
LX_RESOURCESTRING(_LXHeading3508, u"Set")
LX_RESOURCESTRING(_LXHeadingHint3508, u"user-defined class")
namespace {

struct TCatalogueEntry {
  int32_t number;
  const TResourceString* caption;
  const TResourceString* hint;  // null: the column has no hint
};

// Sorted by number.
const TCatalogueEntry kCatalogue[] = {
    {100, &_LXHeading100, nullptr},
    {101, &_LXHeading101, nullptr},
    {102, &_LXHeading102, &_LXHeadingHint102},
    {103, &_LXHeading103, &_LXHeadingHint103},
    {104, &_LXHeading104, &_LXHeadingHint104},
    {105, &_LXHeading105, &_LXHeadingHint105},
    {106, &_LXHeading106, &_LXHeadingHint106},
    {107, &_LXHeading107, &_LXHeadingHint107},
    {108, &_LXHeading108, &_LXHeadingHint108},
    {200, &_LXHeading200, nullptr},
    {201, &_LXHeading201, &_LXHeadingHint201},
    {202, &_LXHeading202, &_LXHeadingHint202},
    {203, &_LXHeading203, &_LXHeadingHint203},
    {204, &_LXHeading204, &_LXHeadingHint204},
    {205, &_LXHeading205, &_LXHeadingHint205},
    {206, &_LXHeading206, &_LXHeadingHint206},
    {207, &_LXHeading207, &_LXHeadingHint207},
    {208, &_LXHeading208, &_LXHeadingHint208},
    {209, &_LXHeading209, &_LXHeadingHint209},
    {210, &_LXHeading210, &_LXHeadingHint210},
    {211, &_LXHeading211, &_LXHeadingHint211},
    {212, &_LXHeading212, &_LXHeadingHint212},
    {300, &_LXHeading300, nullptr},
    {301, &_LXHeading301, &_LXHeadingHint301},
    {302, &_LXHeading302, &_LXHeadingHint302},
    {303, &_LXHeading303, &_LXHeadingHint303},
    {304, &_LXHeading304, &_LXHeadingHint304},
    {305, &_LXHeading305, &_LXHeadingHint305},
    {306, &_LXHeading306, &_LXHeadingHint306},
    {307, &_LXHeading307, &_LXHeadingHint307},
    {400, &_LXHeading400, nullptr},
    {401, &_LXHeading401, nullptr},
    {402, &_LXHeading402, &_LXHeadingHint402},
    {403, &_LXHeading403, nullptr},
    {404, &_LXHeading404, &_LXHeadingHint404},
    {405, &_LXHeading405, &_LXHeadingHint405},
    {406, &_LXHeading406, &_LXHeadingHint406},
    {407, &_LXHeading407, &_LXHeadingHint407},
    {500, &_LXHeading500, nullptr},
    {501, &_LXHeading501, nullptr},
    {502, &_LXHeading502, &_LXHeadingHint502},
    {503, &_LXHeading503, &_LXHeadingHint503},
    {504, &_LXHeading504, &_LXHeadingHint504},
    {505, &_LXHeading505, &_LXHeadingHint505},
    {600, &_LXHeading600, nullptr},
    {601, &_LXHeading601, nullptr},
    {602, &_LXHeading602, &_LXHeadingHint602},
    {603, &_LXHeading603, &_LXHeadingHint603},
    {604, &_LXHeading604, &_LXHeadingHint604},
    {605, &_LXHeading605, &_LXHeadingHint605},
    {606, &_LXHeading606, &_LXHeadingHint606},
    {607, &_LXHeading607, &_LXHeadingHint607},
    {608, &_LXHeading608, &_LXHeadingHint608},
    {609, &_LXHeading609, &_LXHeadingHint609},
    {610, &_LXHeading610, &_LXHeadingHint610},
    {611, &_LXHeading611, &_LXHeadingHint611},
    {612, &_LXHeading612, &_LXHeadingHint612},
    {613, &_LXHeading613, &_LXHeadingHint613},
    {614, &_LXHeading614, &_LXHeadingHint614},
    {615, &_LXHeading615, &_LXHeadingHint615},
    {616, &_LXHeading616, &_LXHeadingHint616},
    {617, &_LXHeading617, &_LXHeadingHint617},
    {618, &_LXHeading618, &_LXHeadingHint618},
    {1100, &_LXHeading1100, nullptr},
    {1101, &_LXHeading1101, &_LXHeadingHint1101},
    {1102, &_LXHeading1102, &_LXHeadingHint1102},
    {1103, &_LXHeading1103, &_LXHeadingHint1103},
    {1104, &_LXHeading1104, &_LXHeadingHint1104},
    {1105, &_LXHeading1105, &_LXHeadingHint1105},
    {1106, &_LXHeading1106, &_LXHeadingHint1106},
    {1107, &_LXHeading1107, &_LXHeadingHint1107},
    {1108, &_LXHeading1108, &_LXHeadingHint1108},
    {1109, &_LXHeading1109, &_LXHeadingHint1109},
    {1110, &_LXHeading1110, &_LXHeadingHint1110},
    {1111, &_LXHeading1111, &_LXHeadingHint1111},
    {1112, &_LXHeading1112, &_LXHeadingHint1112},
    {1113, &_LXHeading1113, &_LXHeadingHint1113},
    {1114, &_LXHeading1114, &_LXHeadingHint1114},
    {1115, &_LXHeading1115, &_LXHeadingHint1115},
    {1200, &_LXHeading1200, nullptr},
    {1201, &_LXHeading1201, &_LXHeadingHint1201},
    {1202, &_LXHeading1202, &_LXHeadingHint1202},
    {1203, &_LXHeading1203, &_LXHeadingHint1203},
    {1204, &_LXHeading1204, &_LXHeadingHint1204},
    {1205, &_LXHeading1205, &_LXHeadingHint1205},
    {1206, &_LXHeading1206, &_LXHeadingHint1206},
    {1300, &_LXHeading1300, nullptr},
    {1301, &_LXHeading1301, nullptr},
    {1302, &_LXHeading1302, &_LXHeadingHint1302},
    {1303, &_LXHeading1303, &_LXHeadingHint1303},
    {1304, &_LXHeading1304, &_LXHeadingHint1304},
    {1305, &_LXHeading1305, &_LXHeadingHint1305},
    {1306, &_LXHeading1306, &_LXHeadingHint1306},
    {1400, &_LXHeading1400, nullptr},
    {1401, &_LXHeading1401, &_LXHeadingHint1401},
    {1402, &_LXHeading1402, &_LXHeadingHint1402},
    {1403, &_LXHeading1403, &_LXHeadingHint1403},
    {1404, &_LXHeading1404, &_LXHeadingHint1404},
    {1405, &_LXHeading1405, &_LXHeadingHint1405},
    {1500, &_LXHeading1500, nullptr},
    {1501, &_LXHeading1501, &_LXHeadingHint1501},
    {1502, &_LXHeading1502, &_LXHeadingHint1502},
    {1503, &_LXHeading1503, &_LXHeadingHint1503},
    {1504, &_LXHeading1504, &_LXHeadingHint1504},
    {1505, &_LXHeading1505, &_LXHeadingHint1505},
    {1506, &_LXHeading1506, &_LXHeadingHint1506},
    {1507, &_LXHeading1507, &_LXHeadingHint1507},
    {1508, &_LXHeading1508, &_LXHeadingHint1508},
    {1509, &_LXHeading1509, &_LXHeadingHint1509},
    {1510, &_LXHeading1510, &_LXHeadingHint1510},
    {1511, &_LXHeading1511, &_LXHeadingHint1511},
    {1600, &_LXHeading1600, nullptr},
    {1601, &_LXHeading1601, &_LXHeadingHint1601},
    {1602, &_LXHeading1602, &_LXHeadingHint1602},
    {1603, &_LXHeading1603, &_LXHeadingHint1603},
    {1604, &_LXHeading1604, &_LXHeadingHint1604},
    {1605, &_LXHeading1605, &_LXHeadingHint1605},
    {1800, &_LXHeading1800, nullptr},
    {1801, &_LXHeading1801, &_LXHeadingHint1801},
    {1900, &_LXHeading1900, nullptr},
    {1901, &_LXHeading1901, &_LXHeadingHint1901},
    {1902, &_LXHeading1902, &_LXHeadingHint1902},
    {1903, &_LXHeading1903, &_LXHeadingHint1903},
    {1904, &_LXHeading1904, &_LXHeadingHint1904},
    {2000, &_LXHeading2000, nullptr},
    {2001, &_LXHeading2001, nullptr},
    {2002, &_LXHeading2002, nullptr},
    {2003, &_LXHeading2003, nullptr},
    {2004, &_LXHeading2004, nullptr},
    {2005, &_LXHeading2005, nullptr},
    {2006, &_LXHeading2006, nullptr},
    {2007, &_LXHeading2007, nullptr},
    {2008, &_LXHeading2008, nullptr},
    {2009, &_LXHeading2009, nullptr},
    {2010, &_LXHeading2010, nullptr},
    {2011, &_LXHeading2011, nullptr},
    {2012, &_LXHeading2012, nullptr},
    {2013, &_LXHeading2013, nullptr},
    {2014, &_LXHeading2014, nullptr},
    {2015, &_LXHeading2015, nullptr},
    {2016, &_LXHeading2016, nullptr},
    {2017, &_LXHeading2017, nullptr},
    {2018, &_LXHeading2018, nullptr},
    {2019, &_LXHeading2019, nullptr},
    {2020, &_LXHeading2020, nullptr},
    {2021, &_LXHeading2021, nullptr},
    {2022, &_LXHeading2022, nullptr},
    {2023, &_LXHeading2023, nullptr},
    {2024, &_LXHeading2024, nullptr},
    {2025, &_LXHeading2025, nullptr},
    {2026, &_LXHeading2026, nullptr},
    {2027, &_LXHeading2027, nullptr},
    {2028, &_LXHeading2028, nullptr},
    {2029, &_LXHeading2029, nullptr},
    {2030, &_LXHeading2030, nullptr},
    {2031, &_LXHeading2031, nullptr},
    {2032, &_LXHeading2032, nullptr},
    {2033, &_LXHeading2033, nullptr},
    {2034, &_LXHeading2034, nullptr},
    {2035, &_LXHeading2035, nullptr},
    {2036, &_LXHeading2036, nullptr},
    {2037, &_LXHeading2037, nullptr},
    {2038, &_LXHeading2038, nullptr},
    {2039, &_LXHeading2039, nullptr},
    {2040, &_LXHeading2040, nullptr},
    {2041, &_LXHeading2041, nullptr},
    {2042, &_LXHeading2042, nullptr},
    {2043, &_LXHeading2043, nullptr},
    {2044, &_LXHeading2044, nullptr},
    {2045, &_LXHeading2045, nullptr},
    {2046, &_LXHeading2046, nullptr},
    {2047, &_LXHeading2047, nullptr},
    {2048, &_LXHeading2048, nullptr},
    {2049, &_LXHeading2049, nullptr},
    {2050, &_LXHeading2050, nullptr},
    {2051, &_LXHeading2051, nullptr},
    {2052, &_LXHeading2052, nullptr},
    {2053, &_LXHeading2053, nullptr},
    {2054, &_LXHeading2054, nullptr},
    {2055, &_LXHeading2055, nullptr},
    {2056, &_LXHeading2056, nullptr},
    {2057, &_LXHeading2057, nullptr},
    {2058, &_LXHeading2058, nullptr},
    {2059, &_LXHeading2059, nullptr},
    {2060, &_LXHeading2060, nullptr},
    {2061, &_LXHeading2061, nullptr},
    {2062, &_LXHeading2062, nullptr},
    {2063, &_LXHeading2063, nullptr},
    {2064, &_LXHeading2064, nullptr},
    {2065, &_LXHeading2065, nullptr},
    {2066, &_LXHeading2066, nullptr},
    {2067, &_LXHeading2067, nullptr},
    {2068, &_LXHeading2068, nullptr},
    {2069, &_LXHeading2069, nullptr},
    {2070, &_LXHeading2070, nullptr},
    {2071, &_LXHeading2071, nullptr},
    {2072, &_LXHeading2072, nullptr},
    {2073, &_LXHeading2073, nullptr},
    {2074, &_LXHeading2074, nullptr},
    {2075, &_LXHeading2075, nullptr},
    {2076, &_LXHeading2076, nullptr},
    {2077, &_LXHeading2077, nullptr},
    {2100, &_LXHeading2100, nullptr},
    {2101, &_LXHeading2101, nullptr},
    {2102, &_LXHeading2102, &_LXHeadingHint2102},
    {2103, &_LXHeading2103, &_LXHeadingHint2103},
    {2104, &_LXHeading2104, &_LXHeadingHint2104},
    {2105, &_LXHeading2105, &_LXHeadingHint2105},
    {2106, &_LXHeading2106, &_LXHeadingHint2106},
    {2200, &_LXHeading2200, nullptr},
    {2201, &_LXHeading2201, &_LXHeadingHint2201},
    {2202, &_LXHeading2202, &_LXHeadingHint2202},
    {2300, &_LXHeading2300, nullptr},
    {2301, &_LXHeading2301, &_LXHeadingHint2301},
    {2500, &_LXHeading2500, nullptr},
    {2501, &_LXHeading2501, &_LXHeadingHint2501},
    {2502, &_LXHeading2502, &_LXHeadingHint2502},
    {2900, &_LXHeading2900, nullptr},
    {2901, &_LXHeading2901, nullptr},
    {2902, &_LXHeading2902, &_LXHeadingHint2902},
    {2903, &_LXHeading2903, nullptr},
    {2904, &_LXHeading2904, &_LXHeadingHint2904},
    {2905, &_LXHeading2905, &_LXHeadingHint2905},
    {2906, &_LXHeading2906, &_LXHeadingHint2906},
    {2907, &_LXHeading2907, &_LXHeadingHint2907},
    {2908, &_LXHeading2908, &_LXHeadingHint2908},
    {2909, &_LXHeading2909, &_LXHeadingHint2909},
    {2910, &_LXHeading2910, &_LXHeadingHint2910},
    {2911, &_LXHeading2911, &_LXHeadingHint2911},
    {2912, &_LXHeading2912, &_LXHeadingHint2912},
    {2913, &_LXHeading2913, &_LXHeadingHint2913},
    {2914, &_LXHeading2914, &_LXHeadingHint2914},
    {2915, &_LXHeading2915, &_LXHeadingHint2915},
    {2916, &_LXHeading2916, &_LXHeadingHint2916},
    {2917, &_LXHeading2917, &_LXHeadingHint2917},
    {2918, &_LXHeading2918, &_LXHeadingHint2918},
    {2919, &_LXHeading2919, &_LXHeadingHint2919},
    {3400, &_LXHeading3400, nullptr},
    {3401, &_LXHeading3401, nullptr},
    {3402, &_LXHeading3402, &_LXHeadingHint3402},
    {3403, &_LXHeading3403, &_LXHeadingHint3403},
    {3404, &_LXHeading3404, &_LXHeadingHint3404},
    {3405, &_LXHeading3405, &_LXHeadingHint3405},
    {3406, &_LXHeading3406, &_LXHeadingHint3406},
    {3407, &_LXHeading3407, &_LXHeadingHint3407},
    {3408, &_LXHeading3408, &_LXHeadingHint3408},
    {3500, &_LXHeading3500, nullptr},
    {3501, &_LXHeading3501, &_LXHeadingHint3501},
    {3502, &_LXHeading3502, &_LXHeadingHint3502},
    {3503, &_LXHeading3503, &_LXHeadingHint3503},
    {3504, &_LXHeading3504, &_LXHeadingHint3504},
    {3505, &_LXHeading3505, &_LXHeadingHint3505},
    {3506, &_LXHeading3506, &_LXHeadingHint3506},
    {3507, &_LXHeading3507, &_LXHeadingHint3507},
    {3508, &_LXHeading3508, &_LXHeadingHint3508},
};

}  // namespace

UnicodeString WideHStringFromN(int32_t n) {
  const bool wantHint = n >= kHintOffset;
  const int32_t number = wantHint ? n - kHintOffset : n;
  const auto* end = std::end(kCatalogue);
  const auto* it = std::lower_bound(std::begin(kCatalogue), end, number,
                                    [](const TCatalogueEntry& e, int32_t v) { return e.number < v; });
  if (it == end || it->number != number) return {};
  const TResourceString* text = wantHint ? it->hint : it->caption;
  return text ? text->Text() : UnicodeString();
}

}  // namespace lx
