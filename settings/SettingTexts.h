// The language texts of the settings windows and of their printed pages, by number.
#pragma once

namespace k7x {

// The optional features window.
inline constexpr int kTextOptCaption = 16000;
inline constexpr int kTextOptSettingLabel = 16001;  // + list number: 16001..16017
inline constexpr int kTextCommonLabel =
    15005;  // + list number: 15005..15020; without one the frame's title
inline constexpr int kTextOffsetLabel = 15100;

// The entries of the optional features' lists.
inline constexpr int kTextSettingOff = 16040;  // squelch and gain lists
inline constexpr int kTextGainAuto = 16049;
inline constexpr int kTextScanCarrier = 16058;
inline constexpr int kTextScanTime = 16059;
inline constexpr int kTextSeconds = 16060;
inline constexpr int kTextMinutes = 16061;
inline constexpr int kTextTimerOff = 16300;
inline constexpr int kTextDisplayFrequency = 17001;
inline constexpr int kTextDisplayChannel = 17002;

// The DTMF window.
inline constexpr int kTextDtmfCaption = 18000;
inline constexpr int kTextDtmfSettingsTab = 18002;
inline constexpr int kTextDtmfOtherTab = 18003;  // hidden, empty
inline constexpr int kTextDtmfCodesTab = 18004;
inline constexpr int kTextDtmfListLabel = 18005;  // + setting number: 18005..18009
inline constexpr int kTextDtmfCheck = 18030;
inline constexpr int kTextDtmfAutoResetOff = 18040;  // "off" entry of the auto-reset list

// The key window.
inline constexpr int kTextKeyCaption = 25000;
inline constexpr int kTextKeyModesLabel = 25007;
inline constexpr int kTextKeyModeTitle = 25008;  // followed by a blank and the mode number

// The tone tips window.
inline constexpr int kTextToneTipsCaption = 29000;
inline constexpr int kTextToneTipTab = 29001;  // followed by a blank and the tip number
inline constexpr int kTextRepeatCount = 29002;
inline constexpr int kTextRepeatGap = 29003;
inline constexpr int kTextPitch = 29004;
inline constexpr int kTextDuration = 29005;
inline constexpr int kTextToneTipPlay = 29006;
inline constexpr int kTextToneTipStop = 29007;
// Why the tip cannot be heard: no sound output, one that refused it, one that stopped.
inline constexpr int kTextToneNoOutput = 29008;
inline constexpr int kTextToneOutputRefused = 29009;
inline constexpr int kTextToneOutputStopped = 29010;
inline constexpr int kTextFirstStep = 29100;  // + step index: 29100..29113
inline constexpr int kTextToneOff = 29200;
inline constexpr int kTextToneRest = 29201;

// The column headings of the printed settings.
inline constexpr int kTextPrintSetting = 9356;
inline constexpr int kTextPrintValue = 9357;
inline constexpr int kTextPrintNumber = 9358;
inline constexpr int kTextPrintDigits = 9359;
inline constexpr int kTextPrintKey = 9360;

}  // namespace k7x
