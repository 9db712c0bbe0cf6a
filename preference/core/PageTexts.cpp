#include "preference/core/PageTexts.h"

#include "resources/preference_ids.h"

namespace vantor::preference {
namespace {

const CaptionEntry kCaptions[] = {
    // Page frames.
    {IDC_PageFrame0, 201}, {IDC_PageFrame1, 300}, {IDC_PageFrame2, 401}, {IDC_PageFrame3, 501},
    {IDC_PageFrame4, 601}, {IDC_PageFrame5, 701}, {IDC_PageFrame6, 801}, {IDC_PageFrame7, 901},
    {IDC_PageFrame8, 1000},
    // Icon page.
    {IDC_Label4, 202}, {IDC_Label3, 203}, {IDC_Label9, 204}, {IDC_Label6, 205}, {IDC_Label7, 206},
    {IDC_CheckWaku, 207}, {IDC_CheckMoji, 208}, {IDC_frmPicture, 210}, {IDC_CheckBackImage, 211},
    {IDC_CheckGraphImage, 212}, {IDC_frmPreview, 220},
    {IDC_frmDblClick, 230}, {IDC_optShowSetting, 231}, {IDC_optShowUDAgent, 232}, {IDC_CheckTimeLeft, 260},
    // Sound page.
    {IDC_labSound1, 301}, {IDC_cmdSound1Test, 302}, {IDC_CheckSound1_1, 303}, {IDC_CheckSound1_2, 304},
    {IDC_labSound2, 305}, {IDC_cmdSound2Test, 302}, {IDC_CheckSound2, 306}, {IDC_cmdSound2Add, 307},
    {IDC_cmdSound2Clear, 308}, {IDC_CheckQuiet, 309}, {IDC_labQuietFrom, 310}, {IDC_labQuietTo, 311},
    // Save-watch page.
    {IDC_labUDA, 402}, {IDC_CheckSaveFile, 403}, {IDC_labSound3, 404}, {IDC_cmdSound3Test, 405},
    {IDC_CheckSound3, 406}, {IDC_frmBakkin, 407}, {IDC_labBakkin, 408},
    // Capture page.
    {IDC_labCapture, 502}, {IDC_CheckCaptureCPU, 503}, {IDC_cmdAddCaptureCPU, 504},
    {IDC_cmdClearCaptureCPU, 505}, {IDC_CheckCaptureMOL, 506}, {IDC_cmdAddCaptureMOL, 504},
    {IDC_cmdClearCaptureMOL, 505},
    // Capture detail page.
    {IDC_CheckMinimize, 602}, {IDC_frmMinimize, 603}, {IDC_OptMinMethod1, 604},
    {IDC_OptMinMethod2, 605}, {IDC_labDelayCPU, 606}, {IDC_labDelayMOL, 607},
    // Other page.
    {IDC_cmdJumpBookMark, 702}, {IDC_cmdJumpPriority, 703}, {IDC_cmdJumpVersion, 704},
    {IDC_labJumpBookMark, 705}, {IDC_labJumpPriority, 706}, {IDC_labJumpVersion, 707},
    {IDC_CheckLogon, 708},
    // Bookmark page.
    {IDC_cmdLinkUP, 802}, {IDC_cmdLinkDown, 803}, {IDC_cmdLinkDelete, 804}, {IDC_frmLinkDetail, 805},
    {IDC_labLinkDatailTitle, 806}, {IDC_labLinkDatailURL, 807}, {IDC_cmdLinkChange, 808},
    {IDC_cmdLinkAdd, 809},
    // Priority page.
    {IDC_labPriority, 902}, {IDC_CheckPriPermission, 903}, {IDC_CheckPriUDA, 904},
    {IDC_CheckPriEXE, 908}, {IDC_labPriFreq, 909}, {IDC_CheckPriority, 910},
};

constexpr unsigned kFocusMove = kOnFocus | kOnMouseMove;

const HelpEntry kHelp[] = {
    {IDC_cmdOK0, 4009, kFocusMove},
    {IDC_cmdOK1, 4010, kFocusMove},
    {IDC_labURL, 4000, kOnMouseMove},
    {IDC_CheckSound1_1, 4001, kFocusMove},
    {IDC_CheckSound1_2, 4002, kFocusMove},
    {IDC_CheckBackImage, 4003, kFocusMove},
    {IDC_CheckGraphImage, 4004, kFocusMove},
    {IDC_CheckWaku, 4005, kFocusMove},
    {IDC_CheckMoji, 4006, kFocusMove},
    {IDC_frmPreview, 4008, kOnMouseMove},
    {IDC_cmdCancel, 4011, kFocusMove},
    {IDC_PicIconColor0, 4012, kFocusMove},
    {IDC_PicIconColor1, 4012, kFocusMove},
    {IDC_PicIconColor2, 4012, kFocusMove},
    {IDC_PicIconColor3, 4012, kFocusMove},
    {IDC_PicIconColor4, 4012, kFocusMove},
    {IDC_cmdSound1, 4013, kFocusMove},
    {IDC_cmdSound2, 4013, kFocusMove},
    {IDC_cmdSound1Test, 4014, kFocusMove},
    {IDC_cmdSound2Test, 4014, kFocusMove},
    {IDC_CheckSound2, 4015, kFocusMove},
    {IDC_slidSound, 4016, kFocusMove},
    {IDC_slidCaptureCPU, 4016, kFocusMove},
    {IDC_slidCaptureMOL, 4016, kFocusMove},
    {IDC_txtSound, 4017, kFocusMove},
    {IDC_txtCaptureCPU, 4017, kFocusMove},
    {IDC_txtCaptureMOL, 4017, kFocusMove},
    {IDC_cmdSound2Add, 4018, kFocusMove},
    {IDC_cmdAddCaptureCPU, 4018, kFocusMove},
    {IDC_cmdAddCaptureMOL, 4018, kFocusMove},
    {IDC_cmdSound2Clear, 4019, kFocusMove},
    {IDC_cmdClearCaptureCPU, 4019, kFocusMove},
    {IDC_cmdClearCaptureMOL, 4019, kFocusMove},
    {IDC_cmdUDA, 4020, kFocusMove},
    {IDC_CheckSaveFile, 4021, kFocusMove},
    {IDC_CheckSound3, 4022, kFocusMove},
    {IDC_cmdSound3Test, 4023, kFocusMove},
    {IDC_txtBakkin, 4024, kFocusMove},
    {IDC_cmdCapture, 4025, kFocusMove},
    {IDC_CheckCaptureCPU, 4026, kFocusMove},
    {IDC_CheckCaptureMOL, 4027, kFocusMove},
    {IDC_CheckMinimize, 4028, kFocusMove},
    {IDC_OptMinMethod1, 4029, kFocusMove},
    {IDC_OptMinMethod2, 4030, kFocusMove},
    {IDC_slidDelayCPU, 4031, kFocusMove},
    {IDC_slidDelayMOL, 4032, kFocusMove},
    {IDC_cmdJumpBookMark, 4033, kFocusMove},
    {IDC_cmdJumpPriority, 4034, kFocusMove},
    {IDC_cmdJumpVersion, 4035, kFocusMove},
    {IDC_lstLink, 4036, kFocusMove},
    {IDC_cmdLinkUP, 4037, kFocusMove},
    {IDC_cmdLinkDown, 4038, kFocusMove},
    {IDC_cmdLinkDelete, 4039, kFocusMove},
    {IDC_txtLinkTitle, 4040, kFocusMove},
    {IDC_txtLinkURL, 4041, kOnFocus | kOnMouseDown},
    {IDC_cmdLinkChange, 4042, kFocusMove},
    {IDC_cmdLinkAdd, 4043, kFocusMove},
    {IDC_CheckPriPermission, 4044, kFocusMove},
    {IDC_CheckPriUDA, 4045, kFocusMove},
    {IDC_ComboPriUDA, 4046, kOnFocus},
    {IDC_CheckPriEXE, 4047, kFocusMove},
    {IDC_ComboPriEXE, 4048, kOnFocus},
    {IDC_cmdPriEXE, 4049, kFocusMove},
    {IDC_SlidPriFreq, 4050, kFocusMove},
    {IDC_CheckPriority, 4051, kFocusMove},
    {IDC_frmDblClick, 4052, kOnMouseMove},
    {IDC_optShowSetting, 4053, kFocusMove},
    {IDC_optShowUDAgent, 4054, kFocusMove},
    {IDC_TreeView1, 0, kFocusMove},
    {IDC_CheckQuiet, 4500, kFocusMove},
    {IDC_txtQuietFrom, 4501, kFocusMove},
    {IDC_txtQuietTo, 4501, kFocusMove},
    {IDC_CheckLogon, 4502, kFocusMove},
    {IDC_CheckTimeLeft, 4400, kFocusMove},
    {IDC_picHistoryChart, 4401, kOnMouseMove},
    {IDC_picHistorySummary, 4402, kOnMouseMove},
    {IDC_cmdHistoryOpen, 4403, kFocusMove},
};

}  // namespace

std::span<const CaptionEntry> Captions() { return kCaptions; }

std::span<const HelpEntry> HelpEntries() { return kHelp; }

const HelpEntry* FindHelp(int control) {
  for (const HelpEntry& entry : kHelp) {
    if (entry.control == control) return &entry;
  }
  return nullptr;
}

}  // namespace vantor::preference
