// Every list kind's standard column set against the documented column tables, kept here as text and parsed
// by the test, so that a slip in transcribing the constant arrays shows up as a mismatch.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <sstream>
#include <string>

#include "lexcore/rtl/lx_strings.h"
#include "lexlists/headings/headingsU.h"
#include "lexstats/headings/Base_headingsu.h"

namespace {

using namespace lx;

const char* const kKindNames[kListKindCount] = {"lt_word_list",
                                                "lt_keyword_list",
                                                "lt_KW_database_list",
                                                "lt_detailed_consistency_relations_list",
                                                "lt_detailed_consistency_list",
                                                "lt_collocate_list",
                                                "lt_KWs_as_word_list",
                                                "lt_KWDB_as_word_list",
                                                "lt_associates_as_word_list",
                                                "lt_clumps_as_word_list",
                                                "lt_concordance_list",
                                                "lt_KW_plot_list",
                                                "lt_concordance_plot_list",
                                                "lt_concordance_cluster_list",
                                                "lt_concordance_pattern_list",
                                                "lt_associate_list",
                                                "lt_clump_list",
                                                "lt_filename_list",
                                                "lt_link_list",
                                                "lt_statistics_list",
                                                "lt_timeline_list",
                                                "lt_aligner_list",
                                                "lt_aligner_plaintext_list",
                                                "lt_wordlist_index_list",
                                                "lt_kw_cluster_list",
                                                "lt_none_in_use",
                                                "lt_notes",
                                                "lt_source_text",
                                                "lt_index_relationship_list",
                                                "lt_viewer_list",
                                                "lt_concgram_list",
                                                "lt_markup_list",
                                                "lt_sections_list",
                                                "lt_chargram_list",
                                                "lT_chargram_pattern_list",
                                                "lt_boll",
                                                "lt_boll2",
                                                "lt_boll3",
                                                "ly_boll4",
                                                "lt_boll5",
                                                "lt_bol6",
                                                "lt_bol7",
                                                "lt_sorting"};

const char* const kStandardCounts =
    "9, 13, 8, 8, 6, 19, 9, 9, 9, 9, 16, 7, 7, 6, 12, 6, 1, 2, 5, 78, 7, 3, 2, 9, 3, 1, 1, 1, 20, 1, 1, 1, "
    "1, 9, 9, "
    "1, 1, 1, 1, 1, 1, 1, 1";

// "@ kinds" opens a table; "| ... |" rows follow; "! ..." is the statistics list in prose.
const char* const kTables = R"TABLE(
@ lt_word_list lt_KWs_as_word_list lt_KWDB_as_word_list lt_associates_as_word_list lt_clumps_as_word_list lt_wordlist_index_list
| 0 | 100 | "N" | - | number | 48 | `nao_pode` | - |
| 1 | 101 | "Word" | - | text | 196 | `tanto_faz` | case change allowed |
| 2 | 102 | "Freq." | "frequency" | number | 96 | `tanto_faz` | - |
| 3 | 103 | "%" | "% of running words" | number, 2 dec., percent | 64 | `nao_pode` | minimum 0.01 |
| 4 | 104 | "Texts" | "number of texts" | number | 64 | `tanto_faz` | - |
| 5 | 105 | "%" | "% of texts" | number, 2 dec., percent | 64 | `nao_pode` | minimum 0.01 |
| 6 | 106 | "Dispersion" | "Dispersion" | number, 2 dec., percent | 64 | `nao_pode` | - |
| 7 | 107 | "Lemmas" | "joined words" | text | 48 | `nao_pode` | case `lower_case_output`; case change allowed |
| 8 | 108 | "Set" | "user-defined class" | text | 24 | `tanto_faz` | case change allowed |
@ lt_keyword_list
| 0 | 200 | "N" | - | number | 48 | `nao_pode` | - |
| 1 | 201 | "Key word" | "click to sort" | text | 192 | `tanto_faz` | case change allowed |
| 2 | 202 | "Freq." | "frequency in this text" | number | 64 | `tanto_faz` | - |
| 3 | 203 | "%" | "% in this text" | number, 2 dec., percent | 64 | `nao_pode` | minimum 0.01 |
| 4 | 204 | "Texts" | "number of texts" | number | 64 | `nao_pode` | - |
| 5 | 205 | "RC. Freq." | "frequency in reference corpus" | number | 64 | `nao_pode` | - |
| 6 | 206 | "RC. %" | "% of reference corpus tokens" | number, 2 dec., percent | 64 | `nao_pode` | minimum 0.01 |
| 7 | 207 | "BIC" | "BIC score (Bayes factor)" | number, 2 dec. | 72 | `nao_pode` | minimum -9999999 |
| 8 | 208 | "Log_L" | "Log Likelihood" | number, 2 dec. | 72 | `nao_pode` | minimum -9999999 |
| 9 | 209 | "Log_R" | "Log Ratio" | number, 2 dec. | 72 | `nao_pode` | minimum -9999999 |
| 10 | 210 | "P" | "significance" | number, 10 dec. | 144 | `nao_pode` | minimum -9999999 |
| 11 | 211 | "Lemmas" | "joined KWs" | text | 48 | `nao_pode` | case `lower_case_output`; case change allowed |
| 12 | 212 | "Set" | "user-defined class" | text | 24 | `tanto_faz` | case change allowed |
@ lt_KW_database_list
| 0 | 300 | "N" | - | number | 48 | `nao_pode` | - |
| 1 | 301 | "KW" | "Key word" | text | 196 | `tanto_faz` | case change allowed |
| 2 | 302 | "Texts" | "no. of texts" | number | 64 | `nao_pode` | - |
| 3 | 303 | "%" | "% of texts" | number, 2 dec., percent | 64 | `nao_pode` | minimum 0.01 |
| 4 | 304 | "Overall Freq." | "total frequency as a KW" | number | 64 | `nao_pode` | - |
| 5 | 305 | "No. Ass." | "number of associates" | number | 64 | `nao_pode` | - |
| 6 | 306 | "Associates" | "top associates" | text | 288 | `nao_pode` | case `lower_case_output`; case change allowed |
| 7 | 307 | "Set" | "user-defined class" | text | 48 | `tanto_faz` | case change allowed |
@ lt_detailed_consistency_relations_list
| 0 | 400 | "N" | - | number | 48 | `nao_pode` | - |
| 1 | 401 | "File 1" | - | text | 144 | `tanto_faz` | case change allowed |
| 2 | 402 | "Count" | "number of types in file 1" | number | 48 | `nao_pode` | - |
| 3 | 403 | "File 2" | - | text | 144 | `tanto_faz` | case change allowed |
| 4 | 404 | "Count" | "number of types in file 2" | number | 48 | `nao_pode` | - |
| 5 | 405 | "Joint" | "number of joint types" | number | 48 | `nao_pode` | - |
| 6 | 406 | "Relation" | "relation strength" | number, 3 dec. | 48 | `nao_pode` | minimum -9999999 |
| 7 | 407 | "Set" | "user-defined class" | text | 24 | `tanto_faz` | case change allowed |
@ lt_detailed_consistency_list
| 0 | 500 | "N" | - | number | 48 | `nao_pode` | - |
| 1 | 501 | "Word" | - | text | 196 | `tanto_faz` | case change allowed |
| 2 | 502 | "Total" | "frequency" | number | 64 | `nao_pode` | - |
| 3 | 503 | "Texts" | "number of texts" | number | 64 | `nao_pode` | - |
| 4 | 504 | "No. of Lemmas" | "number of joined words" | number | 24 | `nao_pode` | - |
| 5 | 505 | "Set" | "user-defined class" | text | 24 | `tanto_faz` | case change allowed |
@ lt_collocate_list
| 0 | 600 | "N" | - | number | 48 | `nao_pode` | - |
| 1 | 601 | "Word" | - | text | 196 | `tanto_faz` | case change allowed |
| 2 | 602 | "With" | "search-word" | text | 96 | `tanto_faz` | case change allowed |
| 3 | 603 | "Dice" | "Dice score" | number, 2 dec. | 64 | `nao_pode` | minimum -9999999 |
| 4 | 604 | "MI" | "mutual information score" | number, 2 dec. | 64 | `nao_pode` | minimum -9999999 |
| 5 | 605 | "MI3" | "MI3 score" | number, 2 dec. | 64 | `nao_pode` | minimum -9999999 |
| 6 | 606 | "Z" | "Z score" | number, 2 dec. | 64 | `nao_pode` | minimum -9999999 |
| 7 | 607 | "Log_L" | "log likelihood score" | number, 2 dec. | 64 | `nao_pode` | minimum -9999999 |
| 8 | 608 | "T" | "T score" | number, 2 dec. | 64 | `nao_pode` | minimum -9999999 |
| 9 | 609 | "Log_R" | "log ratio score" | number, 2 dec. | 64 | `nao_pode` | minimum -9999999 |
| 10 | 610 | "CondProbA" | "conditional probability A" | number, 2 dec. | 64 | `nao_pode` | minimum -9999999 |
| 11 | 611 | "CondProbB" | "conditional probability B" | number, 2 dec. | 64 | `nao_pode` | minimum -9999999 |
| 12 | 612 | "DeltaPA" | "delta probability A" | number, 2 dec. | 64 | `nao_pode` | minimum -9999999 |
| 13 | 613 | "DeltaPB" | "delta probability B" | number, 2 dec. | 64 | `nao_pode` | minimum -9999999 |
| 14 | 614 | "Set" | "user-defined class" | text | 24 | `tanto_faz` | case change allowed |
| 15 | 615 | "Texts" | "number of texts" | number | 64 | `nao_pode` | - |
| 16 | 616 | "Total" | "total overall" | number | 64 | `nao_pode` | - |
| 17 | 617 | "Total Left" | "total to the left" | number | 64 | `nao_pode` | - |
| 18 | 618 | "Total Right" | "total to the right" | number | 64 | `nao_pode` | - |
@ lt_concordance_list
| 0 | 1100 | "N" | - | number | 48 | `nao_pode` | - |
| 1 | 1101 | "Concordance" | "click to sort" | text | 480 | `nao_pode` | alignment `conc_aligned`; case change allowed |
| 2 | 1102 | "Set" | "user-defined class" | text | 24 | `tanto_faz` | case change allowed |
| 3 | 1103 | "Tag" | "tag context" | text | 24 | `nao_pode` | case change allowed |
| 4 | 1104 | "Word #" | "word number in the text" | number | 48 | `nao_pode` | - |
| 5 | 1105 | "Sent. #" | "sentence number" | number | 24 | `nao_pode` | - |
| 6 | 1106 | "Sent. Pos." | "sentence position" | number | 24 | `nao_pode` | - |
| 7 | 1107 | "Para. #" | "paragraph number" | number | 24 | `nao_pode` | - |
| 8 | 1108 | "Para. Pos." | "paragraph position" | number | 24 | `nao_pode` | - |
| 9 | 1109 | "Head. #" | "heading number" | number | 24 | `nao_pode` | - |
| 10 | 1110 | "Head. Pos." | "heading position" | number | 24 | `nao_pode` | - |
| 11 | 1111 | "Sect. #" | "section number" | number | 24 | `nao_pode` | - |
| 12 | 1112 | "Sect. Pos." | "section position" | number | 24 | `nao_pode` | - |
| 13 | 1113 | "File" | "filename" | text | 144 | `nao_pode` | case change allowed |
| 14 | 1114 | "Date" | "text date" | text | 96 | `nao_pode` | case change allowed |
| 15 | 1115 | "%" | "% position in its text" | number, percent | 48 | `nao_pode` | - |
@ lt_KW_plot_list
| 0 | 1200 | "N" | - | number | 48 | `nao_pode` | - |
| 1 | 1201 | "Key word" | "Key word" | text | 144 | `tanto_faz` | case change allowed |
| 2 | 1202 | "Dispersion" | "amount of dispersion" | number, 3 dec. | 64 | `nao_pode` | minimum -9999999 |
| 3 | 1203 | "Keyness" | "Keyness" | number, 2 dec. | 64 | `nao_pode` | minimum -9999999 |
| 4 | 1204 | "Link tokens" | "links with other KWs (tokens)" | number | 48 | `nao_pode` | - |
| 5 | 1205 | "Hits" | "frequency in the text" | number | 48 | `nao_pode` | - |
| 6 | 1206 | "Plot" | "plot of distribution in the text" | text | 480 | `nao_pode` | alignment `plotting_aligned`; case `upper_case_output`; case change allowed |
@ lt_concordance_plot_list
| 0 | 1300 | "N" | - | number | 48 | `nao_pode` | - |
| 1 | 1301 | "File" | - | text | 96 | `nao_pode` | word wrap; case change allowed |
| 2 | 1302 | "Words" | "running words in text" | number | 64 | `nao_pode` | - |
| 3 | 1303 | "Hits" | "frequency in the text" | number | 64 | `nao_pode` | - |
| 4 | 1304 | "per 1,000" | "per 1,000 words" | number, 2 dec. | 64 | `nao_pode` | minimum 0.01 |
| 5 | 1305 | "Dispersion" | "amount of dispersion" | number, 3 dec. | 64 | `nao_pode` | minimum -9999999 |
| 6 | 1306 | "Plot" | "plot of distribution in the text" | text | 480 | `nao_pode` | alignment `plotting_aligned`; case `upper_case_output`; case change allowed |
@ lt_concordance_cluster_list
| 0 | 1400 | "N" | - | number | 48 | `nao_pode` | - |
| 1 | 1401 | "Cluster" | "computed cluster" | text | 288 | `tanto_faz` | case change allowed |
| 2 | 1402 | "Freq." | "frequency in concordance" | number | 64 | `nao_pode` | - |
| 3 | 1403 | "Set" | "user-defined class" | text | 24 | `tanto_faz` | case change allowed |
| 4 | 1404 | "Length" | "cluster length" | number | 48 | `nao_pode` | - |
| 5 | 1405 | "Related" | "related clusters" | text | 288 | `nao_pode` | case change allowed |
@ lt_concordance_pattern_list
| 0 | 1500 | "N" | - | number | 72 | `nao_pode` | - |
| 1 | 1501 | "L5" | "5th to the left" | text | 72 | `tanto_faz` | case change allowed |
| 2 | 1502 | "L4" | "4th to the left" | text | 72 | `tanto_faz` | case change allowed |
| 3 | 1503 | "L3" | "3rd to the left" | text | 72 | `tanto_faz` | case change allowed |
| 4 | 1504 | "L2" | "2nd to the left" | text | 72 | `tanto_faz` | case change allowed |
| 5 | 1505 | "L1" | "word to the left" | text | 72 | `tanto_faz` | case change allowed |
| 6 | 1506 | "Centre" | "centre word" | text | 72 | `tanto_faz` | case change allowed |
| 7 | 1507 | "R1" | "word to the right" | text | 72 | `tanto_faz` | case change allowed |
| 8 | 1508 | "R2" | "2nd to the right" | text | 72 | `tanto_faz` | case change allowed |
| 9 | 1509 | "R3" | "3rd to the right" | text | 72 | `tanto_faz` | case change allowed |
| 10 | 1510 | "R4" | "4th to the right" | text | 72 | `tanto_faz` | case change allowed |
| 11 | 1511 | "R5" | "5th to the right" | text | 72 | `tanto_faz` | case change allowed |
@ lt_associate_list
| 0 | 1600 | "N" | - | number | 48 | `nao_pode` | - |
| 1 | 1601 | "Associate" | "Associate" | text | 196 | `tanto_faz` | case change allowed |
| 2 | 1602 | "Strength" | "strength of association" | number, 3 dec. | 64 | `nao_pode` | minimum -9999999 |
| 3 | 1603 | "Texts" | "number of texts" | number | 64 | `nao_pode` | - |
| 4 | 1604 | "%" | "% of texts" | number, 2 dec., percent | 64 | `nao_pode` | minimum 0.01 |
| 5 | 1605 | "Set" | "user-defined class" | text | 24 | `tanto_faz` | case change allowed |
@ lt_filename_list
| 0 | 1800 | "N" | - | number | 48 | `nao_pode` | - |
| 1 | 1801 | "filename" | "source text filename" | text | 336 | `tanto_faz` | case change allowed |
@ lt_link_list
| 0 | 1900 | "N" | - | number | 48 | `nao_pode` | - |
| 1 | 1901 | "Key word" | "Key word" | text | 196 | `tanto_faz` | case change allowed |
| 2 | 1902 | "Link types" | "links to other KWs (types)" | number | 64 | `nao_pode` | - |
| 3 | 1903 | "Hits" | "frequency in text" | number | 64 | `nao_pode` | - |
| 4 | 1904 | "Linked KWs" | "Linked KWs" | text | 288 | `nao_pode` | case `lower_case_output`; case change allowed |
@ lt_timeline_list
| 0 | 2100 | "N" | - | number | 48 | `nao_pode` | - |
| 1 | 2101 | "File" | - | text | 96 | `nao_pode` | case change allowed |
| 2 | 2102 | "Words (approx.)" | "approximate running words in text" | number | 48 | `nao_pode` | - |
| 3 | 2103 | "Hits" | "frequency in the text" | number | 48 | `nao_pode` | - |
| 4 | 2104 | "per 1,000" | "per 1,000 words" | number, 2 dec. | 48 | `nao_pode` | minimum 0.01 |
| 5 | 2105 | "Spread" | "amount of spread" | number, 3 dec. | 48 | `nao_pode` | minimum -9999999 |
| 6 | 2106 | "Timeline" | "text times & dates" | text | 480 | `nao_pode` | alignment `plotting_aligned`; case `upper_case_output`; case change allowed |
@ lt_aligner_list
| 0 | 2200 | "N" | - | number | 48 | `nao_pode` | - |
| 1 | 2201 | "sentences" | "sentences" | text | 480 | `tanto_faz` | case change allowed |
| 2 | 2202 | "paragraphs" | "paragraphs" | text | 480 | `tanto_faz` | case change allowed |
@ lt_aligner_plaintext_list
| 0 | 2300 | "N" | - | number | 48 | `nao_pode` | - |
| 1 | 2301 | "Text" | "Text" | text | 336 | `tanto_faz` | alignment `default_aligned`; case change allowed |
@ lt_kw_cluster_list
| 0 | 2500 | "N" | - | number | 48 | `nao_pode` | - |
| 1 | 2501 | "KW Cluster" | "KW Cluster" | text | 384 | `tanto_faz` | case change allowed |
| 2 | 2502 | "Freq." | "frequency in these KWs" | number | 64 | `nao_pode` | - |
@ lt_index_relationship_list
| 0 | 2900 | "N" | - | number | 48 | `nao_pode` | - |
| 1 | 2901 | "Word 1" | - | text | 144 | `tanto_faz` | case change allowed |
| 2 | 2902 | "Freq." | "frequency word 1" | number | 64 | `tanto_faz` | - |
| 3 | 2903 | "Word 2" | - | text | 144 | `nao_pode` | case change allowed |
| 4 | 2904 | "Freq." | "frequency word 2" | number | 64 | `tanto_faz` | - |
| 5 | 2905 | "Texts" | "texts with pair" | number | 64 | `tanto_faz` | - |
| 6 | 2906 | "Gap" | "typical gap distance" | number | 36 | `tanto_faz` | - |
| 7 | 2907 | "Joint" | "joint frequency" | number | 64 | `tanto_faz` | - |
| 8 | 2908 | "MI" | "mutual information score" | number, 2 dec. | 72 | `nao_pode` | minimum -9999999 |
| 9 | 2909 | "Z" | "Z score" | number, 2 dec. | 72 | `nao_pode` | minimum -9999999 |
| 10 | 2910 | "MI3" | "MI3 score" | number, 2 dec. | 72 | `nao_pode` | minimum -9999999 |
| 11 | 2911 | "Log L." | "log likelihood score" | number, 2 dec. | 72 | `nao_pode` | minimum -9999999 |
| 12 | 2912 | "T score" | "T score" | number, 2 dec. | 72 | `nao_pode` | minimum -9999999 |
| 13 | 2913 | "Dice" | "dice coefficient" | number, 2 dec. | 72 | `nao_pode` | minimum -9999999 |
| 14 | 2914 | "Log Ratio" | "Log Ratio" | number, 2 dec. | 72 | `nao_pode` | minimum -9999999 |
| 15 | 2915 | "CondProbA" | "conditional probability A" | number, 2 dec. | 72 | `nao_pode` | minimum -9999999 |
| 16 | 2916 | "CondProbB" | "conditional probability B" | number, 2 dec. | 72 | `nao_pode` | minimum -9999999 |
| 17 | 2917 | "DeltaPA" | "delta probability A" | number, 2 dec. | 72 | `nao_pode` | minimum -9999999 |
| 18 | 2918 | "DeltaPB" | "delta probability B" | number, 2 dec. | 72 | `nao_pode` | minimum -9999999 |
| 19 | 2919 | "Set" | "user-defined class" | text | 24 | `tanto_faz` | case change allowed |
@ lt_chargram_list
| 0 | 3400 | "N" | - | number | 48 | `nao_pode` | - |
| 1 | 3401 | "Chargram" | - | text | 144 | `tanto_faz` | case change allowed |
| 2 | 3402 | "Position" | "word-position" | text | 144 | `tanto_faz` | case change allowed |
| 3 | 3403 | "Freq." | "frequency" | number | 64 | `tanto_faz` | - |
| 4 | 3404 | "Length" | "Length" | number | 64 | `tanto_faz` | - |
| 5 | 3405 | "Texts" | "number of texts" | number | 64 | `tanto_faz` | - |
| 6 | 3406 | "%" | "% of texts" | number, 2 dec., percent | 64 | `nao_pode` | minimum 0.01 |
| 7 | 3407 | "Contexts" | "typical contexts" | text | 288 | `nao_pode` | case `lower_case_output`; case change allowed |
| 8 | 3408 | "Set" | "user-defined class" | text | 24 | `tanto_faz` | case change allowed |
@ lT_chargram_pattern_list
| 0 | 3500 | "N" | - | number | 48 | `nao_pode` | - |
| 1 | 3501 | "L3" | "3rd to the left" | text | 72 | `tanto_faz` | case change allowed |
| 2 | 3502 | "L2" | "2nd to the left" | text | 72 | `tanto_faz` | case change allowed |
| 3 | 3503 | "L1" | "1st to the left" | text | 72 | `tanto_faz` | case change allowed |
| 4 | 3504 | "Centre" | "Centre" | text | 72 | `tanto_faz` | case change allowed |
| 5 | 3505 | "R1" | "1st to the right" | text | 72 | `tanto_faz` | case change allowed |
| 6 | 3506 | "R2" | "2nd to the right" | text | 72 | `tanto_faz` | case change allowed |
| 7 | 3507 | "R3" | "3rd to the right" | text | 72 | `tanto_faz` | case change allowed |
| 8 | 3508 | "Set" | "user-defined class" | text | 24 | `tanto_faz` | case change allowed |
@ lt_statistics_list
! 0 "N" [number, 48]; 1 "text file" [text, 192]; 2 "file size" [number, 120]; 3 "tokens (running words) in text" [number, 120]; 4 "tokens used for word list" [number, 120]; 5 "sum of entries" [number, 48]; 6 "types (distinct words)" [number, 120]; 7 "type/token ratio (TTR)" [number, 2 dec., 64]; 8 "standardised TTR" [number, 2 dec., 64]; 9 "STTR std.dev." [number, 2 dec., 48]; 10 "STTR basis" [number, 64]; 11 "mean word length (in characters)" [number, 2 dec., 48]; 12 "word length std.dev." [number, 2 dec., 48]; 13 "sentences" [number, 48]; 14 "mean (in words)" [number, 2 dec., 48]; 15 "std.dev." [number, 2 dec., 48]; 16 "paragraphs" [number, 48]; 17 "mean (in words)" [number, 2 dec., 48]; 18 "std.dev." [number, 2 dec., 48]; 19 "headings" [number, 48]; 20 "mean (in words)" [number, 2 dec., 48]; 21 "std.dev." [number, 2 dec., 48]; 22 "sections" [number, 48]; 23 "mean (in words)" [number, 2 dec., 48]; 24 "std.dev." [number, 2 dec., 48]; 25 "numbers removed" [number, 48]; 26 "stoplist tokens removed" [number, 48]; 27 "stoplist types removed" [number, 48]; 28 to 77: "1-letter words" ... "50-letter words" [number, 48] (column 27 + n is captioned with n in digits followed by "-letter words").)TABLE";

struct TExpected {
  int no = 0;
  std::string caption, hint;
  bool numerical = false, percent = false, caseChange = false, wordwrap = false;
  int decimals = 0, width = 0;
  std::string editable = "nao_pode", alignment = "right_aligned", outputCase = "as_it_comes_output";
  float minimum = 0;
};

std::string Trimmed(const std::string& s) {
  const auto b = s.find_first_not_of(' ');
  const auto e = s.find_last_not_of(' ');
  return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
}

std::string Unquoted(const std::string& s) {
  return s == "-" ? std::string() : s.substr(1, s.size() - 2);
}

std::string Between(const std::string& s, const std::string& key) {
  const auto at = s.find(key + " `");
  if (at == std::string::npos) return {};
  const auto from = at + key.size() + 2;
  return s.substr(from, s.find('`', from) - from);
}

void ParseValue(const std::string& value, TExpected& e) {
  e.numerical = value.rfind("number", 0) == 0;
  e.percent = value.find("percent") != std::string::npos;
  std::smatch m;
  if (std::regex_search(value, m, std::regex(R"((\d+) dec)"))) e.decimals = std::stoi(m[1]);
}

TExpected ParseRow(const std::string& row) {
  std::vector<std::string> cells;
  std::stringstream ss(row.substr(1, row.size() - 2));
  for (std::string cell; std::getline(ss, cell, '|');) cells.push_back(Trimmed(cell));
  EXPECT_EQ(cells.size(), 8u) << row;
  TExpected e;
  e.no = std::stoi(cells[1]);
  e.caption = Unquoted(cells[2]);
  e.hint = Unquoted(cells[3]);
  ParseValue(cells[4], e);
  e.width = std::stoi(cells[5]);
  e.editable = cells[6].substr(1, cells[6].size() - 2);
  const std::string& other = cells[7];
  std::smatch m;
  if (std::regex_search(other, m, std::regex(R"(minimum (-?[\d.]+))"))) e.minimum = std::stof(m[1]);
  e.caseChange = other.find("case change allowed") != std::string::npos;
  e.wordwrap = other.find("word wrap") != std::string::npos;
  if (auto a = Between(other, "alignment"); !a.empty()) e.alignment = a;
  if (auto c = Between(other, "case"); !c.empty()) e.outputCase = c;
  return e;
}

std::vector<TExpected> ParseStatistics(const std::string& prose) {
  std::vector<TExpected> cols;
  const std::regex item(R"re((\d+) "([^"]*)" \[([^\]]*)\])re");
  for (auto it = std::sregex_iterator(prose.begin(), prose.end(), item); it != std::sregex_iterator(); ++it) {
    TExpected e;
    const int index = std::stoi((*it)[1]);
    EXPECT_EQ(index, static_cast<int>(cols.size()));
    e.no = 2000 + index;
    e.caption = (*it)[2];
    const std::string value = (*it)[3];
    ParseValue(value, e);
    e.width = std::stoi(value.substr(value.rfind(',') + 1));
    cols.push_back(e);
  }
  // "28 to 77: ... (column 27 + n is captioned with n in digits followed by "-letter words")"
  EXPECT_NE(prose.find("28 to 77"), std::string::npos);
  for (int n = 1; n <= 50; ++n) {
    TExpected e;
    e.no = 2027 + n;
    e.caption = std::to_string(n) + "-letter words";
    e.numerical = true;
    e.width = 48;
    cols.push_back(e);
  }
  for (std::size_t i = 0; i < cols.size(); ++i) {
    if (i >= 1 && i <= 3) cols[i].editable = "tanto_faz";
    cols[i].caseChange = i == 1;
    if (cols[i].decimals == 2) cols[i].minimum = 0.01f;
  }
  return cols;
}

std::map<int, std::vector<TExpected>> ParseTables() {
  std::map<int, std::vector<TExpected>> byKind;
  std::vector<int> kinds;
  std::stringstream in(kTables);
  for (std::string line; std::getline(in, line);) {
    if (line.empty()) continue;
    if (line[0] == '@') {
      kinds.clear();
      std::stringstream names(line.substr(2));
      for (std::string name; names >> name;) {
        const auto* at = std::find_if(std::begin(kKindNames), std::end(kKindNames),
                                      [&](const char* k) { return name == k; });
        EXPECT_NE(at, std::end(kKindNames)) << name;
        kinds.push_back(static_cast<int>(at - std::begin(kKindNames)));
      }
      continue;
    }
    const std::vector<TExpected> rows =
        line[0] == '!' ? ParseStatistics(line) : std::vector<TExpected>{ParseRow(line)};
    for (int k : kinds) byKind[k].insert(byKind[k].end(), rows.begin(), rows.end());
  }
  return byKind;
}

template <typename E>
std::string NameOf(E value, std::initializer_list<const char*> names) {
  return static_cast<std::size_t>(value) < names.size() ? names.begin()[value] : "?";
}

TEST(StandardHeadings, EveryKindMatchesItsTable) {
  const auto tables = ParseTables();
  EXPECT_EQ(tables.size(), 27u);  // 22 tables, the word-list one shared by six kinds

  std::vector<int> counts;
  std::stringstream cs(kStandardCounts);
  for (std::string n; std::getline(cs, n, ',');) counts.push_back(std::stoi(n));
  ASSERT_EQ(counts.size(), static_cast<std::size_t>(kListKindCount));

  for (int kind = 0; kind < kListKindCount; ++kind) {
    SCOPED_TRACE(kKindNames[kind]);
    EXPECT_EQ(OfficialStandardNOfHeaders[kind], counts[kind]);
    const TGridHead32Array set = StandardGridHeaderArray(static_cast<TLexmillList>(kind));
    ASSERT_EQ(static_cast<int>(set.size()), counts[kind]);

    const auto table = tables.find(kind);
    if (table == tables.end()) {
      // Kinds without columns of their own: blank, hidden, caption-less records.
      for (const auto& h : set) {
        EXPECT_EQ(GridHeadFixedToImage(h), GridHeadFixedToImage(TGrid_head32{}));
        EXPECT_TRUE(h.heading.empty() && h.hint.empty());
      }
      continue;
    }
    ASSERT_EQ(table->second.size(), set.size());
    for (std::size_t i = 0; i < set.size(); ++i) {
      const TExpected& e = table->second[i];
      const TGrid_head32& h = set[i];
      SCOPED_TRACE(e.no);
      EXPECT_EQ(h.localization_number, e.no);
      EXPECT_EQ(UTF16ToUTF8(h.heading), e.caption);
      EXPECT_EQ(UTF16ToUTF8(h.hint), e.hint);

      TGrid_head32 want;
      want.localization_number = e.no;
      want.numerical = e.numerical;
      want.decimals = static_cast<uint8_t>(e.decimals);
      want.percent_data = e.percent;
      want.pixel_width96 = static_cast<int16_t>(e.width);
      want.minimum = e.minimum;
      want.allow_case_change = e.caseChange;
      want.wordwrap = e.wordwrap;
      want.heading_visible = 1;
      want.original_column = static_cast<int16_t>(i);
      EXPECT_EQ(e.editable, NameOf(h.editable, {"nao_pode", "maiusc", "minusc", "tanto_faz"}));
      EXPECT_EQ(e.alignment,
                NameOf(h.alignment, {"centre_aligned", "default_aligned", "right_aligned", "decimal_aligned",
                                     "plotting_aligned", "spare_aligned", "conc_aligned", "spare2_aligned"}));
      EXPECT_EQ(e.outputCase, NameOf(h.output_case, {"upper_case_output", "title_case_output",
                                                     "lower_case_output", "as_it_comes_output"}));
      want.editable = h.editable;
      want.alignment = h.alignment;
      want.output_case = h.output_case;
      // Every field the table does not mention is zero (help topics are left out).
      TGrid_head32 got = h;
      got.HelpContext = 0;
      EXPECT_EQ(GridHeadFixedToImage(got), GridHeadFixedToImage(want));
    }
  }
}

TEST(StandardHeadings, CaptionsAndHeadingLines) {
  EXPECT_EQ(HeadingLinesForList(lt_statistics_list), 4);
  EXPECT_EQ(HeadingLinesForList(lt_word_list), 2);
  const auto words = AllDefaultHeadingsFor(lt_KWs_as_word_list);
  ASSERT_EQ(words.size(), 9u);
  EXPECT_EQ(words[1], u"Word");
  EXPECT_EQ(words[8], u"Set");
  // A translation reaches the standard sets.
  SetResourceTranslation(u"_LXHeading101", u"Wort");
  EXPECT_EQ(StandardGridHeaderArray(lt_word_list)[1].heading, u"Wort");
  ClearResourceTranslations();
  EXPECT_EQ(StandardGridHeaderArray(lt_word_list)[1].heading, u"Word");
}

}  // namespace
