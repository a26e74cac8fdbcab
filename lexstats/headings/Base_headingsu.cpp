#include "lexstats/headings/Base_headingsu.h"

namespace lx {

namespace {

// One standard column; the fields not named here keep the values every standard column shares.
TGrid_head32 BH(int32_t number, int16_t column, uint8_t numerical, uint8_t decimals, uint8_t percent,
                int16_t width, editable_type editable, float minimum, uint8_t caseChange,
                TLXAlignment alignment, TOutput_results_case outputCase, uint8_t wordwrap) {
  TGrid_head32 h;
  h.alignment = alignment;
  h.editable = editable;
  h.minimum = minimum;
  h.decimals = decimals;
  h.allow_case_change = caseChange;
  h.numerical = numerical;
  h.heading_visible = 1;
  h.original_column = column;
  h.pixel_width96 = width;
  h.output_case = outputCase;
  h.wordwrap = wordwrap;
  h.percent_data = percent;
  h.localization_number = number;
  return h;
}

}  // namespace

const std::array<TGrid_head32, 9> LXBH_WORD_LIST = {{
    BH(100, 0, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(101, 1, 0, 0, 0, 196, tanto_faz, 0.0f, 1, right_aligned, as_it_comes_output, 0),
    BH(102, 2, 1, 0, 0, 96, tanto_faz, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(103, 3, 1, 2, 1, 64, nao_pode, 0.01f, 0, right_aligned, as_it_comes_output, 0),
    BH(104, 4, 1, 0, 0, 64, tanto_faz, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(105, 5, 1, 2, 1, 64, nao_pode, 0.01f, 0, right_aligned, as_it_comes_output, 0),
    BH(106, 6, 1, 2, 1, 64, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(107, 7, 0, 0, 0, 48, nao_pode, 0.0f, 1, right_aligned, lower_case_output, 0),
    BH(108, 8, 0, 0, 0, 24, tanto_faz, 0.0f, 1, right_aligned, as_it_comes_output, 0),
}};

const std::array<TGrid_head32, 13> LXBH_KEY_WORD_LIST = {{
    BH(200, 0, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(201, 1, 0, 0, 0, 192, tanto_faz, 0.0f, 1, right_aligned, as_it_comes_output, 0),
    BH(202, 2, 1, 0, 0, 64, tanto_faz, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(203, 3, 1, 2, 1, 64, nao_pode, 0.01f, 0, right_aligned, as_it_comes_output, 0),
    BH(204, 4, 1, 0, 0, 64, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(205, 5, 1, 0, 0, 64, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(206, 6, 1, 2, 1, 64, nao_pode, 0.01f, 0, right_aligned, as_it_comes_output, 0),
    BH(207, 7, 1, 2, 0, 72, nao_pode, -9999999.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(208, 8, 1, 2, 0, 72, nao_pode, -9999999.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(209, 9, 1, 2, 0, 72, nao_pode, -9999999.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(210, 10, 1, 10, 0, 144, nao_pode, -9999999.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(211, 11, 0, 0, 0, 48, nao_pode, 0.0f, 1, right_aligned, lower_case_output, 0),
    BH(212, 12, 0, 0, 0, 24, tanto_faz, 0.0f, 1, right_aligned, as_it_comes_output, 0),
}};

const std::array<TGrid_head32, 8> LXBH_KEYWORDS_DATABASE = {{
    BH(300, 0, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(301, 1, 0, 0, 0, 196, tanto_faz, 0.0f, 1, right_aligned, as_it_comes_output, 0),
    BH(302, 2, 1, 0, 0, 64, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(303, 3, 1, 2, 1, 64, nao_pode, 0.01f, 0, right_aligned, as_it_comes_output, 0),
    BH(304, 4, 1, 0, 0, 64, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(305, 5, 1, 0, 0, 64, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(306, 6, 0, 0, 0, 288, nao_pode, 0.0f, 1, right_aligned, lower_case_output, 0),
    BH(307, 7, 0, 0, 0, 48, tanto_faz, 0.0f, 1, right_aligned, as_it_comes_output, 0),
}};

const std::array<TGrid_head32, 8> LXBH_DETAILED_CONSISTENCY_RELATIONS_LIST = {{
    BH(400, 0, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(401, 1, 0, 0, 0, 144, tanto_faz, 0.0f, 1, right_aligned, as_it_comes_output, 0),
    BH(402, 2, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(403, 3, 0, 0, 0, 144, tanto_faz, 0.0f, 1, right_aligned, as_it_comes_output, 0),
    BH(404, 4, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(405, 5, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(406, 6, 1, 3, 0, 48, nao_pode, -9999999.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(407, 7, 0, 0, 0, 24, tanto_faz, 0.0f, 1, right_aligned, as_it_comes_output, 0),
}};

const std::array<TGrid_head32, 6> LXBH_DETAILED_CONSISTENCY_LIST = {{
    BH(500, 0, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(501, 1, 0, 0, 0, 196, tanto_faz, 0.0f, 1, right_aligned, as_it_comes_output, 0),
    BH(502, 2, 1, 0, 0, 64, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(503, 3, 1, 0, 0, 64, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(504, 4, 1, 0, 0, 24, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(505, 5, 0, 0, 0, 24, tanto_faz, 0.0f, 1, right_aligned, as_it_comes_output, 0),
}};

const std::array<TGrid_head32, 19> LXBH_COLLOCATE_LIST = {{
    BH(600, 0, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(601, 1, 0, 0, 0, 196, tanto_faz, 0.0f, 1, right_aligned, as_it_comes_output, 0),
    BH(602, 2, 0, 0, 0, 96, tanto_faz, 0.0f, 1, right_aligned, as_it_comes_output, 0),
    BH(603, 3, 1, 2, 0, 64, nao_pode, -9999999.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(604, 4, 1, 2, 0, 64, nao_pode, -9999999.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(605, 5, 1, 2, 0, 64, nao_pode, -9999999.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(606, 6, 1, 2, 0, 64, nao_pode, -9999999.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(607, 7, 1, 2, 0, 64, nao_pode, -9999999.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(608, 8, 1, 2, 0, 64, nao_pode, -9999999.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(609, 9, 1, 2, 0, 64, nao_pode, -9999999.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(610, 10, 1, 2, 0, 64, nao_pode, -9999999.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(611, 11, 1, 2, 0, 64, nao_pode, -9999999.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(612, 12, 1, 2, 0, 64, nao_pode, -9999999.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(613, 13, 1, 2, 0, 64, nao_pode, -9999999.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(614, 14, 0, 0, 0, 24, tanto_faz, 0.0f, 1, right_aligned, as_it_comes_output, 0),
    BH(615, 15, 1, 0, 0, 64, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(616, 16, 1, 0, 0, 64, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(617, 17, 1, 0, 0, 64, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(618, 18, 1, 0, 0, 64, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
}};

const std::array<TGrid_head32, 16> LXBH_CONCORDANCE_LIST = {{
    BH(1100, 0, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(1101, 1, 0, 0, 0, 480, nao_pode, 0.0f, 1, conc_aligned, as_it_comes_output, 0),
    BH(1102, 2, 0, 0, 0, 24, tanto_faz, 0.0f, 1, right_aligned, as_it_comes_output, 0),
    BH(1103, 3, 0, 0, 0, 24, nao_pode, 0.0f, 1, right_aligned, as_it_comes_output, 0),
    BH(1104, 4, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(1105, 5, 1, 0, 0, 24, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(1106, 6, 1, 0, 0, 24, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(1107, 7, 1, 0, 0, 24, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(1108, 8, 1, 0, 0, 24, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(1109, 9, 1, 0, 0, 24, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(1110, 10, 1, 0, 0, 24, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(1111, 11, 1, 0, 0, 24, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(1112, 12, 1, 0, 0, 24, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(1113, 13, 0, 0, 0, 144, nao_pode, 0.0f, 1, right_aligned, as_it_comes_output, 0),
    BH(1114, 14, 0, 0, 0, 96, nao_pode, 0.0f, 1, right_aligned, as_it_comes_output, 0),
    BH(1115, 15, 1, 0, 1, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
}};

const std::array<TGrid_head32, 7> LXBH_KEYWORDS_PLOT_LIST = {{
    BH(1200, 0, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(1201, 1, 0, 0, 0, 144, tanto_faz, 0.0f, 1, right_aligned, as_it_comes_output, 0),
    BH(1202, 2, 1, 3, 0, 64, nao_pode, -9999999.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(1203, 3, 1, 2, 0, 64, nao_pode, -9999999.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(1204, 4, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(1205, 5, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(1206, 6, 0, 0, 0, 480, nao_pode, 0.0f, 1, plotting_aligned, upper_case_output, 0),
}};

const std::array<TGrid_head32, 7> LXBH_CONCORDANCE_PLOT_LIST = {{
    BH(1300, 0, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(1301, 1, 0, 0, 0, 96, nao_pode, 0.0f, 1, right_aligned, as_it_comes_output, 1),
    BH(1302, 2, 1, 0, 0, 64, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(1303, 3, 1, 0, 0, 64, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(1304, 4, 1, 2, 0, 64, nao_pode, 0.01f, 0, right_aligned, as_it_comes_output, 0),
    BH(1305, 5, 1, 3, 0, 64, nao_pode, -9999999.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(1306, 6, 0, 0, 0, 480, nao_pode, 0.0f, 1, plotting_aligned, upper_case_output, 0),
}};

const std::array<TGrid_head32, 6> LXBH_CONCORDANCE_CLUSTER_LIST = {{
    BH(1400, 0, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(1401, 1, 0, 0, 0, 288, tanto_faz, 0.0f, 1, right_aligned, as_it_comes_output, 0),
    BH(1402, 2, 1, 0, 0, 64, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(1403, 3, 0, 0, 0, 24, tanto_faz, 0.0f, 1, right_aligned, as_it_comes_output, 0),
    BH(1404, 4, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(1405, 5, 0, 0, 0, 288, nao_pode, 0.0f, 1, right_aligned, as_it_comes_output, 0),
}};

const std::array<TGrid_head32, 12> LXBH_CONCORDANCE_PATTERN_LIST = {{
    BH(1500, 0, 1, 0, 0, 72, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(1501, 1, 0, 0, 0, 72, tanto_faz, 0.0f, 1, right_aligned, as_it_comes_output, 0),
    BH(1502, 2, 0, 0, 0, 72, tanto_faz, 0.0f, 1, right_aligned, as_it_comes_output, 0),
    BH(1503, 3, 0, 0, 0, 72, tanto_faz, 0.0f, 1, right_aligned, as_it_comes_output, 0),
    BH(1504, 4, 0, 0, 0, 72, tanto_faz, 0.0f, 1, right_aligned, as_it_comes_output, 0),
    BH(1505, 5, 0, 0, 0, 72, tanto_faz, 0.0f, 1, right_aligned, as_it_comes_output, 0),
    BH(1506, 6, 0, 0, 0, 72, tanto_faz, 0.0f, 1, right_aligned, as_it_comes_output, 0),
    BH(1507, 7, 0, 0, 0, 72, tanto_faz, 0.0f, 1, right_aligned, as_it_comes_output, 0),
    BH(1508, 8, 0, 0, 0, 72, tanto_faz, 0.0f, 1, right_aligned, as_it_comes_output, 0),
    BH(1509, 9, 0, 0, 0, 72, tanto_faz, 0.0f, 1, right_aligned, as_it_comes_output, 0),
    BH(1510, 10, 0, 0, 0, 72, tanto_faz, 0.0f, 1, right_aligned, as_it_comes_output, 0),
    BH(1511, 11, 0, 0, 0, 72, tanto_faz, 0.0f, 1, right_aligned, as_it_comes_output, 0),
}};

const std::array<TGrid_head32, 6> LXBH_ASSOCIATE_LIST = {{
    BH(1600, 0, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(1601, 1, 0, 0, 0, 196, tanto_faz, 0.0f, 1, right_aligned, as_it_comes_output, 0),
    BH(1602, 2, 1, 3, 0, 64, nao_pode, -9999999.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(1603, 3, 1, 0, 0, 64, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(1604, 4, 1, 2, 1, 64, nao_pode, 0.01f, 0, right_aligned, as_it_comes_output, 0),
    BH(1605, 5, 0, 0, 0, 24, tanto_faz, 0.0f, 1, right_aligned, as_it_comes_output, 0),
}};

const std::array<TGrid_head32, 2> LXBH_FILENAME_LIST = {{
    BH(1800, 0, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(1801, 1, 0, 0, 0, 336, tanto_faz, 0.0f, 1, right_aligned, as_it_comes_output, 0),
}};

const std::array<TGrid_head32, 5> LXBH_LINK_LIST = {{
    BH(1900, 0, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(1901, 1, 0, 0, 0, 196, tanto_faz, 0.0f, 1, right_aligned, as_it_comes_output, 0),
    BH(1902, 2, 1, 0, 0, 64, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(1903, 3, 1, 0, 0, 64, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(1904, 4, 0, 0, 0, 288, nao_pode, 0.0f, 1, right_aligned, lower_case_output, 0),
}};

const std::array<TGrid_head32, 78> LXBH_STATISTICS_LIST = {{
    BH(2000, 0, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2001, 1, 0, 0, 0, 192, tanto_faz, 0.0f, 1, right_aligned, as_it_comes_output, 0),
    BH(2002, 2, 1, 0, 0, 120, tanto_faz, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2003, 3, 1, 0, 0, 120, tanto_faz, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2004, 4, 1, 0, 0, 120, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2005, 5, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2006, 6, 1, 0, 0, 120, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2007, 7, 1, 2, 0, 64, nao_pode, 0.01f, 0, right_aligned, as_it_comes_output, 0),
    BH(2008, 8, 1, 2, 0, 64, nao_pode, 0.01f, 0, right_aligned, as_it_comes_output, 0),
    BH(2009, 9, 1, 2, 0, 48, nao_pode, 0.01f, 0, right_aligned, as_it_comes_output, 0),
    BH(2010, 10, 1, 0, 0, 64, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2011, 11, 1, 2, 0, 48, nao_pode, 0.01f, 0, right_aligned, as_it_comes_output, 0),
    BH(2012, 12, 1, 2, 0, 48, nao_pode, 0.01f, 0, right_aligned, as_it_comes_output, 0),
    BH(2013, 13, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2014, 14, 1, 2, 0, 48, nao_pode, 0.01f, 0, right_aligned, as_it_comes_output, 0),
    BH(2015, 15, 1, 2, 0, 48, nao_pode, 0.01f, 0, right_aligned, as_it_comes_output, 0),
    BH(2016, 16, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2017, 17, 1, 2, 0, 48, nao_pode, 0.01f, 0, right_aligned, as_it_comes_output, 0),
    BH(2018, 18, 1, 2, 0, 48, nao_pode, 0.01f, 0, right_aligned, as_it_comes_output, 0),
    BH(2019, 19, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2020, 20, 1, 2, 0, 48, nao_pode, 0.01f, 0, right_aligned, as_it_comes_output, 0),
    BH(2021, 21, 1, 2, 0, 48, nao_pode, 0.01f, 0, right_aligned, as_it_comes_output, 0),
    BH(2022, 22, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2023, 23, 1, 2, 0, 48, nao_pode, 0.01f, 0, right_aligned, as_it_comes_output, 0),
    BH(2024, 24, 1, 2, 0, 48, nao_pode, 0.01f, 0, right_aligned, as_it_comes_output, 0),
    BH(2025, 25, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2026, 26, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2027, 27, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2028, 28, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2029, 29, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2030, 30, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2031, 31, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2032, 32, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2033, 33, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2034, 34, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2035, 35, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2036, 36, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2037, 37, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2038, 38, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2039, 39, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2040, 40, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2041, 41, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2042, 42, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2043, 43, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2044, 44, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2045, 45, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2046, 46, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2047, 47, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2048, 48, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2049, 49, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2050, 50, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2051, 51, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2052, 52, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2053, 53, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2054, 54, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2055, 55, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2056, 56, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2057, 57, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2058, 58, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2059, 59, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2060, 60, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2061, 61, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2062, 62, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2063, 63, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2064, 64, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2065, 65, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2066, 66, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2067, 67, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2068, 68, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2069, 69, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2070, 70, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2071, 71, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2072, 72, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2073, 73, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2074, 74, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2075, 75, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2076, 76, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2077, 77, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
}};

const std::array<TGrid_head32, 7> LXBH_TIMELINE_LIST = {{
    BH(2100, 0, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2101, 1, 0, 0, 0, 96, nao_pode, 0.0f, 1, right_aligned, as_it_comes_output, 0),
    BH(2102, 2, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2103, 3, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2104, 4, 1, 2, 0, 48, nao_pode, 0.01f, 0, right_aligned, as_it_comes_output, 0),
    BH(2105, 5, 1, 3, 0, 48, nao_pode, -9999999.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2106, 6, 0, 0, 0, 480, nao_pode, 0.0f, 1, plotting_aligned, upper_case_output, 0),
}};

const std::array<TGrid_head32, 3> LXBH_ALIGNER_LIST = {{
    BH(2200, 0, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2201, 1, 0, 0, 0, 480, tanto_faz, 0.0f, 1, right_aligned, as_it_comes_output, 0),
    BH(2202, 2, 0, 0, 0, 480, tanto_faz, 0.0f, 1, right_aligned, as_it_comes_output, 0),
}};

const std::array<TGrid_head32, 2> LXBH_TEXT_LIST = {{
    BH(2300, 0, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2301, 1, 0, 0, 0, 336, tanto_faz, 0.0f, 1, default_aligned, as_it_comes_output, 0),
}};

const std::array<TGrid_head32, 3> LXBH_KEYWORDS_CLUSTER_LIST = {{
    BH(2500, 0, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2501, 1, 0, 0, 0, 384, tanto_faz, 0.0f, 1, right_aligned, as_it_comes_output, 0),
    BH(2502, 2, 1, 0, 0, 64, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
}};

const std::array<TGrid_head32, 20> LXBH_RELATIONSHIPS_LIST = {{
    BH(2900, 0, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2901, 1, 0, 0, 0, 144, tanto_faz, 0.0f, 1, right_aligned, as_it_comes_output, 0),
    BH(2902, 2, 1, 0, 0, 64, tanto_faz, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2903, 3, 0, 0, 0, 144, nao_pode, 0.0f, 1, right_aligned, as_it_comes_output, 0),
    BH(2904, 4, 1, 0, 0, 64, tanto_faz, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2905, 5, 1, 0, 0, 64, tanto_faz, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2906, 6, 1, 0, 0, 36, tanto_faz, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2907, 7, 1, 0, 0, 64, tanto_faz, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2908, 8, 1, 2, 0, 72, nao_pode, -9999999.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2909, 9, 1, 2, 0, 72, nao_pode, -9999999.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2910, 10, 1, 2, 0, 72, nao_pode, -9999999.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2911, 11, 1, 2, 0, 72, nao_pode, -9999999.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2912, 12, 1, 2, 0, 72, nao_pode, -9999999.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2913, 13, 1, 2, 0, 72, nao_pode, -9999999.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2914, 14, 1, 2, 0, 72, nao_pode, -9999999.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2915, 15, 1, 2, 0, 72, nao_pode, -9999999.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2916, 16, 1, 2, 0, 72, nao_pode, -9999999.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2917, 17, 1, 2, 0, 72, nao_pode, -9999999.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2918, 18, 1, 2, 0, 72, nao_pode, -9999999.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(2919, 19, 0, 0, 0, 24, tanto_faz, 0.0f, 1, right_aligned, as_it_comes_output, 0),
}};

const std::array<TGrid_head32, 9> LXBH_CHARGRAM_LIST = {{
    BH(3400, 0, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(3401, 1, 0, 0, 0, 144, tanto_faz, 0.0f, 1, right_aligned, as_it_comes_output, 0),
    BH(3402, 2, 0, 0, 0, 144, tanto_faz, 0.0f, 1, right_aligned, as_it_comes_output, 0),
    BH(3403, 3, 1, 0, 0, 64, tanto_faz, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(3404, 4, 1, 0, 0, 64, tanto_faz, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(3405, 5, 1, 0, 0, 64, tanto_faz, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(3406, 6, 1, 2, 1, 64, nao_pode, 0.01f, 0, right_aligned, as_it_comes_output, 0),
    BH(3407, 7, 0, 0, 0, 288, nao_pode, 0.0f, 1, right_aligned, lower_case_output, 0),
    BH(3408, 8, 0, 0, 0, 24, tanto_faz, 0.0f, 1, right_aligned, as_it_comes_output, 0),
}};

const std::array<TGrid_head32, 9> LXBH_CHARGRAM_PATTERN_LIST = {{
    BH(3500, 0, 1, 0, 0, 48, nao_pode, 0.0f, 0, right_aligned, as_it_comes_output, 0),
    BH(3501, 1, 0, 0, 0, 72, tanto_faz, 0.0f, 1, right_aligned, as_it_comes_output, 0),
    BH(3502, 2, 0, 0, 0, 72, tanto_faz, 0.0f, 1, right_aligned, as_it_comes_output, 0),
    BH(3503, 3, 0, 0, 0, 72, tanto_faz, 0.0f, 1, right_aligned, as_it_comes_output, 0),
    BH(3504, 4, 0, 0, 0, 72, tanto_faz, 0.0f, 1, right_aligned, as_it_comes_output, 0),
    BH(3505, 5, 0, 0, 0, 72, tanto_faz, 0.0f, 1, right_aligned, as_it_comes_output, 0),
    BH(3506, 6, 0, 0, 0, 72, tanto_faz, 0.0f, 1, right_aligned, as_it_comes_output, 0),
    BH(3507, 7, 0, 0, 0, 72, tanto_faz, 0.0f, 1, right_aligned, as_it_comes_output, 0),
    BH(3508, 8, 0, 0, 0, 24, tanto_faz, 0.0f, 1, right_aligned, as_it_comes_output, 0),
}};
const std::array<int32_t, kListKindCount> OfficialStandardNOfHeaders = {
    9, 13, 8, 8, 6, 19, 9,  9, 9, 9, 16, 7, 7, 6, 12, 6, 1, 2, 5, 78, 7, 3,
    2, 9,  3, 1, 1, 1,  20, 1, 1, 1, 1,  9, 9, 1, 1,  1, 1, 1, 1, 1,  1};

std::span<const TGrid_head32> BaseHeadingsOfKind(TLexmillList kind) {
  switch (kind) {
    case lt_word_list:
      return LXBH_WORD_LIST;
    case lt_keyword_list:
      return LXBH_KEY_WORD_LIST;
    case lt_KW_database_list:
      return LXBH_KEYWORDS_DATABASE;
    case lt_detailed_consistency_relations_list:
      return LXBH_DETAILED_CONSISTENCY_RELATIONS_LIST;
    case lt_detailed_consistency_list:
      return LXBH_DETAILED_CONSISTENCY_LIST;
    case lt_collocate_list:
      return LXBH_COLLOCATE_LIST;
    case lt_concordance_list:
      return LXBH_CONCORDANCE_LIST;
    case lt_KW_plot_list:
      return LXBH_KEYWORDS_PLOT_LIST;
    case lt_concordance_plot_list:
      return LXBH_CONCORDANCE_PLOT_LIST;
    case lt_concordance_cluster_list:
      return LXBH_CONCORDANCE_CLUSTER_LIST;
    case lt_concordance_pattern_list:
      return LXBH_CONCORDANCE_PATTERN_LIST;
    case lt_associate_list:
      return LXBH_ASSOCIATE_LIST;
    case lt_filename_list:
      return LXBH_FILENAME_LIST;
    case lt_link_list:
      return LXBH_LINK_LIST;
    case lt_statistics_list:
      return LXBH_STATISTICS_LIST;
    case lt_timeline_list:
      return LXBH_TIMELINE_LIST;
    case lt_aligner_list:
      return LXBH_ALIGNER_LIST;
    case lt_aligner_plaintext_list:
      return LXBH_TEXT_LIST;
    case lt_kw_cluster_list:
      return LXBH_KEYWORDS_CLUSTER_LIST;
    case lt_index_relationship_list:
      return LXBH_RELATIONSHIPS_LIST;
    case lt_chargram_list:
      return LXBH_CHARGRAM_LIST;
    case lT_chargram_pattern_list:
      return LXBH_CHARGRAM_PATTERN_LIST;
    default:
      return {};
  }
}

}  // namespace lx
