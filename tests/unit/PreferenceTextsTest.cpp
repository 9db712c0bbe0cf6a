// The settings window's texts: the page tree, the captions and the help table, checked
// against the program's string table as the resource compiler reads it.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "preference/core/LineBreaks.h"
#include "preference/core/ScrollView.h"
#include "preference/core/PageTexts.h"
#include "preference/core/PageTree.h"
#include "resources/preference_ids.h"

namespace vantor::preference {
namespace {

// Decodes UTF-8 (the table holds no character beyond three bytes).
std::wstring FromUtf8(const std::string& bytes) {
  std::wstring out;
  for (std::size_t i = 0; i < bytes.size();) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    const int extra = b < 0x80 ? 0 : b < 0xE0 ? 1 : 2;
    unsigned c = extra == 0 ? b : extra == 1 ? (b & 0x1Fu) : (b & 0x0Fu);
    for (int k = 1; k <= extra && i + static_cast<std::size_t>(k) < bytes.size(); ++k) {
      c = (c << 6) | (static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]) & 0x3Fu);
    }
    out += static_cast<wchar_t>(c);
    i += static_cast<std::size_t>(extra) + 1;
  }
  return out;
}

// id -> text of every STRINGTABLE line `  id, "text"` of the UTF-8 string table.
std::map<int, std::wstring> StringTable() {
  std::ifstream file(VANTOR_SOURCE_DIR "/resources/preference_strings.rc", std::ios::binary);
  std::stringstream bytes;
  bytes << file.rdbuf();
  const std::wstring text = FromUtf8(bytes.str());
  std::map<int, std::wstring> table;
  const std::wregex line(LR"re(^\s*(\d+),\s*"((?:[^"]|"")*)"\s*$)re");
  std::wistringstream lines(text);
  for (std::wstring l; std::getline(lines, l);) {
    std::wsmatch m;
    if (std::regex_match(l, m, line)) {
      EXPECT_TRUE(table.emplace(std::stoi(m[1].str()), m[2].str()).second) << "twice: " << m[1].str();
    }
  }
  return table;
}

TEST(PreferenceTexts, TheHelpTableCoversEveryControlWithItsTextAndEvents) {
  constexpr unsigned FM = kOnFocus | kOnMouseMove;
  struct Row {
    int control;
    int id;
    unsigned events;
    const wchar_t* text;
  };
  const Row rows[] = {
      {IDC_cmdOK0, 4009, FM, L"設定を保存して終了します。"},
      {IDC_cmdOK1, 4010, FM, L"現在の設定を保存します。"},
      {IDC_labURL, 4000, kOnMouseMove, L"Vantorのホームページに移動します。"},
      {IDC_CheckSound1_1, 4001, FM, L"パーセントが増えたら設定したサウンドを鳴らします。"},
      {IDC_CheckSound1_2, 4002, FM, L"１回通知したら上のチェックを外します。"},
      {IDC_CheckBackImage, 4003, FM, L"チェックすると指定した画像をトレイアイコンの背景にします。"},
      {IDC_CheckGraphImage, 4004, FM, L"チェックすると指定した画像をトレイアイコンのグラフにします。"},
      {IDC_CheckWaku, 4005, FM, L"チェックすると指定した色でトレイアイコンに枠を描きます。"},
      {IDC_CheckMoji, 4006, FM, L"チェックすると指定した色でトレイアイコンに現在のパーセントを表示します。"},
      {IDC_frmPreview, 4008, kOnMouseMove, L"現在の設定だとトレイアイコンはこんな感じになります。"},
      {IDC_cmdCancel, 4011, FM, L"設定を保存しないで終了します。"},
      {IDC_PicIconColor0, 4012, FM, L"アイコンに使う色を変更できます。"},
      {IDC_PicIconColor4, 4012, FM, L"アイコンに使う色を変更できます。"},
      {IDC_cmdSound1, 4013, FM, L"wavファイルを開きます。"},
      {IDC_cmdSound2, 4013, FM, L"wavファイルを開きます。"},
      {IDC_cmdSound1Test, 4014, FM, L"現在設定されている音を鳴らします。"},
      {IDC_cmdSound2Test, 4014, FM, L"現在設定されている音を鳴らします。"},
      {IDC_CheckSound2, 4015, FM, L"下に表示されているパーセントになったら指定した音を鳴らします。"},
      {IDC_slidSound, 4016, FM, L"スライドバーで％を指定します。"},
      {IDC_slidCaptureCPU, 4016, FM, L"スライドバーで％を指定します。"},
      {IDC_slidCaptureMOL, 4016, FM, L"スライドバーで％を指定します。"},
      {IDC_txtSound, 4017, FM, L"％を直接指定できます。"},
      {IDC_txtCaptureCPU, 4017, FM, L"％を直接指定できます。"},
      {IDC_txtCaptureMOL, 4017, FM, L"％を直接指定できます。"},
      {IDC_cmdSound2Add, 4018, FM, L"クリックすると下に追加します。"},
      {IDC_cmdAddCaptureCPU, 4018, FM, L"クリックすると下に追加します。"},
      {IDC_cmdAddCaptureMOL, 4018, FM, L"クリックすると下に追加します。"},
      {IDC_cmdSound2Clear, 4019, FM, L"下に表示されている設定を消去します。"},
      {IDC_cmdClearCaptureCPU, 4019, FM, L"下に表示されている設定を消去します。"},
      {IDC_cmdClearCaptureMOL, 4019, FM, L"下に表示されている設定を消去します。"},
      {IDC_cmdUDA, 4020, FM, L"チェックをするUDAgentのセーブファイルがあるフォルダを指定します。"},
      {IDC_CheckSaveFile, 4021, FM, L"セーブファイル（tkcp.ud）のタイムスタンプを監視します。"},
      {IDC_CheckSound3, 4022, FM, L"セーブファイル（tkcp.ud）が更新されたら上で指定した音を鳴らします。"},
      {IDC_cmdSound3Test, 4023, FM, L"現在設定されている音を鳴らします。"},
      {IDC_txtBakkin, 4024, FM, L"Backing offモードまでの時間を設定します。10～15分の間で設定可能です。"},
      {IDC_cmdCapture, 4025, FM, L"キャプチャした画像の保存先を指定します。"},
      {IDC_CheckCaptureCPU, 4026, FM, L"下で指定した％のいづれかになったらCPUTimeをキャプチャします。"},
      {IDC_CheckCaptureMOL, 4027, FM, L"下で指定した％のいづれかになったらApplicationをキャプチャします。"},
      {IDC_CheckMinimize, 4028, FM, L"CPUTime, Applicationをキャプチャした後にウインドウを最小化するかどうか指定します。"},
      {IDC_OptMinMethod1, 4029, FM, L"UDAgentの最小化ボタンを擬似的に押す方法で最小化します。"},
      {IDC_OptMinMethod2, 4030, FM, L"UDAgentのウインドウを直接最小化します。"},
      {IDC_slidDelayCPU, 4031, FM, L"UDAgentのウインドウを開いてからキャプチャをするまでの待ち時間を指定します。"},
      {IDC_slidDelayMOL, 4032, FM, L"ウインドウを開いてからApplicationに切り替え、キャプチャするまでの待ち時間を指定します。"},
      {IDC_cmdJumpBookMark, 4033, FM, L"ブックマークの編集をします。"},
      {IDC_cmdJumpPriority, 4034, FM, L"UDAgentと他１つのプロセスの優先度を変更します。"},
      {IDC_cmdJumpVersion, 4035, FM, L"Vantorのバージョン情報を表示します。"},
      {IDC_lstLink, 4036, FM, L"ブックマークのリストです。"},
      {IDC_cmdLinkUP, 4037, FM, L"選択した項目を一段上にあげます。"},
      {IDC_cmdLinkDown, 4038, FM, L"選択した項目を一段下にさげます。"},
      {IDC_cmdLinkDelete, 4039, FM, L"選択した項目を削除します。"},
      {IDC_txtLinkTitle, 4040, FM, L"ポップアップメニューに表示されるタイトルです。"},
      {IDC_txtLinkURL, 4041, kOnFocus | kOnMouseDown, L"ジャンプ先のURLです。"},
      {IDC_cmdLinkChange, 4042, FM, L"現在選択している項目を上記内容で書き換えます。"},
      {IDC_cmdLinkAdd, 4043, FM, L"現在の内容で項目を追加します。"},
      {IDC_CheckPriPermission, 4044, FM, L"優先度を設定可能な状態にします。"},
      {IDC_CheckPriUDA, 4045, FM, L"UDAgentのプロセスの優先度を変更するように指定します。"},
      {IDC_ComboPriUDA, 4046, kOnFocus, L"UDAgentのプロセスの優先度です。上に行くほど優先度が高くなります。"},
      {IDC_CheckPriEXE, 4047, FM, L"指定したプロセスの優先度を変更するように指定します。"},
      {IDC_ComboPriEXE, 4048, kOnFocus, L"指定したプロセスの優先度です。上に行くほど優先度が高くなります。"},
      {IDC_cmdPriEXE, 4049, FM, L"優先度を変更するプロセスを実行ファイル名で指定します。"},
      {IDC_SlidPriFreq, 4050, FM, L"優先度を何秒ごとに変更するかを指定します。"},
      {IDC_CheckPriority, 4051, FM, L"上の設定で優先度を変更します。変更すると元には戻せません。"},
      {IDC_frmDblClick, 4052, kOnMouseMove, L"タスクトレイアイコンをダブルクリックした時の動作を指定します。"},
      {IDC_optShowSetting, 4053, FM, L"Vantorの設定ウインドウを表示します。"},
      {IDC_optShowUDAgent, 4054, FM, L"UDAgentのウインドウを表示します。"},
      {IDC_TreeView1, 0, FM, L""},
      {IDC_CheckQuiet, 4500, FM, L"チェックすると、右の時刻のあいだはどの音も鳴らしません。日付をまたぐ時間も指定できます。"},
      {IDC_txtQuietFrom, 4501, FM, L"静かな時間の始まりと終わりの時刻を「23:00」のように指定します。"},
      {IDC_txtQuietTo, 4501, FM, L"静かな時間の始まりと終わりの時刻を「23:00」のように指定します。"},
      {IDC_CheckLogon, 4502, FM, L"チェックすると、Windowsにログオンしたときに、このフォルダのVantorが起動します。"},
      {IDC_CheckTimeLeft, 4400, FM, L"ツールチップの最後の行に、実行中のワークユニットの残り時間を表示します。"},
      {IDC_picHistoryChart, 4401, kOnMouseMove, L"最近30ユニットの所要時間です。色はタスク、横線はタスクごとの中央値、薄い色は途中から見たユニット、斜線は完了しなかったユニットです。"},
      {IDC_picHistorySummary, 4402, kOnMouseMove, L"タスクごとの、最近7日間と30日間に完了したユニットの数（うち途中から見たユニットの数）と、最初から見て完了したユニットの所要時間の中央値です。"},
      {IDC_cmdHistoryOpen, 4403, FM, L"記録（history.csv）を、CSVファイルを開くプログラムで開きます。"},
  };
  const auto strings = StringTable();
  for (const Row& row : rows) {
    const HelpEntry* entry = FindHelp(row.control);
    ASSERT_NE(entry, nullptr) << "control " << row.control;
    EXPECT_EQ(entry->textId, row.id) << "control " << row.control;
    EXPECT_EQ(entry->events, row.events) << "control " << row.control;
    if (row.id != 0) {
      ASSERT_TRUE(strings.count(row.id)) << row.id;
      EXPECT_EQ(strings.at(row.id), row.text) << row.id;
    }
  }
  // Three palette entries are left out above; the table has exactly one row per control.
  EXPECT_EQ(HelpEntries().size(), std::size(rows) + 3);
  std::set<int> controls;
  for (const HelpEntry& e : HelpEntries()) EXPECT_TRUE(controls.insert(e.control).second) << e.control;
  EXPECT_EQ(FindHelp(IDC_Label5), nullptr) << "the title explains nothing";
}

TEST(PreferenceTexts, EveryCaptionAndNodeHasItsStringAndTheJumpLabelsKeepTheirSpaces) {
  const auto strings = StringTable();
  for (const CaptionEntry& c : Captions()) {
    EXPECT_TRUE(strings.count(c.textId)) << "caption id " << c.textId;
    EXPECT_GE(c.textId, 201);
    EXPECT_LE(c.textId, 1000);
  }
  for (const NodeDef& n : Nodes()) EXPECT_TRUE(strings.count(n.textId)) << "node id " << n.textId;
  for (int id : {3001, 3002, 3005, 3006, 3013, 3020, 3021}) EXPECT_TRUE(strings.count(id)) << id;

  const auto spaces = [&](int id) { return std::count(strings.at(id).begin(), strings.at(id).end(), L'　'); };
  EXPECT_EQ(spaces(705), 8);
  EXPECT_EQ(spaces(706), 3);
  EXPECT_EQ(spaces(707), 2);
  EXPECT_EQ(strings.at(211), L"背景色に適用");
  EXPECT_EQ(strings.at(212), L"グラフの色に適用");
  EXPECT_EQ(strings.at(705), L"タスクトレイから任意のwebページへ　　　　　　　　ジャンプできます。");
}

TEST(PreferenceTree, NodesComeInTheirOrderUnderTheirParents) {
  struct Row {
    int textId;
    Page page;
    int parentTextId;  // 0 for a top-level node
  };
  const Row expected[] = {{101, kIconPage, 0},     {110, kBalloonPage, 101}, {102, kSoundPage, 0},
                          {103, kSavePage, 102},   {104, kCapturePage, 0},   {105, kCaptureDetailPage, 104},
                          {107, kOtherPage, 0},    {108, kBookmarkPage, 107}, {106, kPriorityPage, 107},
                          {111, kHistoryPage, 107}, {109, kVersionPage, 107}};
  const auto& nodes = Nodes();
  std::set<int> pages;
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    EXPECT_EQ(nodes[i].textId, expected[i].textId) << i;
    EXPECT_EQ(nodes[i].page, expected[i].page) << i;
    const int parent = nodes[i].parent;
    ASSERT_LT(parent, static_cast<int>(i)) << "a parent comes first";
    EXPECT_EQ(parent < 0 ? 0 : nodes[static_cast<std::size_t>(parent)].textId, expected[i].parentTextId) << i;
    pages.insert(nodes[i].page);
  }
  EXPECT_EQ(pages.size(), 11u) << "each page has one node";
}

TEST(PreferenceTree, TheClickedTextSelectsThePageOfTheFirstNodeWithThatText) {
  std::array<std::wstring, kPageCount> texts = {L"アイコン", L"チェック", L"セーブチェック", L"キャプチャ", L"詳細設定",
                                                L"その他", L"ブックマーク", L"優先度の設定", L"バージョン情報", L"バルーン", L"記録"};
  for (int p = 0; p < kPageCount; ++p) EXPECT_EQ(PageOfNodeText(texts[static_cast<std::size_t>(p)], texts), p);
  EXPECT_EQ(PageOfNodeText(L"どこにもない", texts), std::nullopt);
  EXPECT_EQ(PageOfNodeText(L"", texts), std::nullopt);
  // Two nodes with one text: the balloon node is compared before the sound page's node.
  texts[kSoundPage] = L"バルーン";
  EXPECT_EQ(PageOfNodeText(L"バルーン", texts), kBalloonPage);
}

TEST(PreferenceTree, ShowingAPageDoesItsExtraWork) {
  for (int p = 0; p < kPageCount; ++p) {
    const PageWork expected = p == kIconPage       ? PageWork::DrawPreview
                              : p == kBookmarkPage ? PageWork::ReloadBookmarks
                              : p == kPriorityPage ? PageWork::ShowAgentTaskName
                              : p == kHistoryPage  ? PageWork::ReadHistory
                                                   : PageWork::None;
    EXPECT_EQ(WorkOnShow(static_cast<Page>(p)), expected) << p;
  }
}

// A label's lines, with Japanese characters two units wide and all others one.
TEST(PreferenceLineBreaks, JapaneseBreaksAnywhereButBeforeClosingMarksWordsStayWhole) {
  const auto measure = [](std::wstring_view run) {
    int width = 0;
    for (wchar_t c : run) width += c >= 0x2E80 ? 2 : 1;
    return width;
  };
  const struct {
    const wchar_t* text;
    int width;
    const wchar_t* lines;
  } cases[] = {
      {L"あいうえお", 4, L"あい\r\nうえ\r\nお"},
      {L"あいう。えお", 6, L"あい\r\nう。え\r\nお"},      // no line starts with 。
      {L"であ「かぎ」", 6, L"であ\r\n「か\r\nぎ」"},      // nor ends with 「, nor starts with 」
      {L"ab  cdef gh", 6, L"ab\r\ncdef\r\ngh"},        // words whole, spaces at a break gone
      {L"でUDAgentの", 6, L"で\r\nUDAgen\r\ntの"},     // a word wider than a line: where it is full
      {L"xy abc de", 6, L"xy abc\r\nde"},            // a space that does not fit is the break
      {L"あ\xD83D\xDE00\xD83D\xDE00", 5, L"あ\r\n\xD83D\xDE00\r\n\xD83D\xDE00"},  // a pair stays whole
      {L"かか\u3099か", 4, L"か\r\nか\u3099\r\nか"},     // a mark stays with its character
      {L"あいう", 6, L"あいう"},
      {L"", 6, L""},
  };
  for (const auto& c : cases) EXPECT_EQ(BreakLines(c.text, c.width, measure), c.lines) << c.width;
}

// A page of 300 x 200 with bars 20 wide: a bar only where the content does not fit, counting
// the other bar's room; the control that takes the focus in view; the wheel's part notches.
TEST(PreferenceScroll, BarsOnlyWhereNeededFocusInViewAndPartNotchesKept) {
  const struct {
    Extent room;
    Bars bars;
    Extent view;
  } cases[] = {
      {{400, 300}, {false, false}, {300, 200}},  // fits
      {{400, 150}, {false, true}, {320, 150}},   // height short: the view widens by the bar
      {{310, 150}, {true, true}, {310, 150}},    // height short, no room for the bar: both
      {{250, 300}, {true, false}, {250, 220}},   // width short
      {{250, 210}, {true, true}, {250, 210}},    // width short, no room for the bar: both
      {{250, 150}, {true, true}, {250, 150}},    // both
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BarsNeeded({300, 200}, c.room, {20, 20}), c.bars) << c.room.width << "x" << c.room.height;
    EXPECT_EQ(ViewSize({300, 200}, c.room, {20, 20}), c.view) << c.room.width << "x" << c.room.height;
  }
  EXPECT_EQ(PositionShowing(40, 80, 130, 100), 70);    // after the view: its end at the edge
  EXPECT_EQ(PositionShowing(40, 120, 250, 100), 160);  // larger than the view: its start at the edge,
  EXPECT_EQ(PositionShowing(40, 20, 150, 100), 40);    // or where it is, when it is in view
  Wheel wheel;
  EXPECT_EQ(wheel.Steps(40, 3), 1);     // a third of a notch at 3 lines
  EXPECT_EQ(wheel.Steps(20, 3), 0);     // half a line kept
  EXPECT_EQ(wheel.Steps(-120, 3), -3);  // the other way: what was kept is dropped
  EXPECT_EQ(wheel.Steps(-20, 3) + wheel.Steps(-20, 3), -1);
}

}  // namespace
}  // namespace vantor::preference
