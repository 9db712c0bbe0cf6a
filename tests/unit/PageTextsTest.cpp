// The captions, the page tree's nodes and the help table against the program's string table.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

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

}  // namespace
}  // namespace vantor::preference
