// Language texts of the settings windows that their printed pages name as well.
#pragma once

namespace k7x {

inline constexpr int kTextOptCaption = 16000;
inline constexpr int kTextOptSettingLabel = 16001;  // + list number
inline constexpr int kTextCommonLabel = 15005;      // + list number; the frame's title without one
inline constexpr int kTextOffsetLabel = 15100;

inline constexpr int kTextDtmfCaption = 18000;
inline constexpr int kTextDtmfCodesTab = 18004;
inline constexpr int kTextDtmfListLabel = 18005;  // + setting number
inline constexpr int kTextDtmfCheck = 18030;

inline constexpr int kTextKeyCaption = 25000;
inline constexpr int kTextKeyModesLabel = 25007;
inline constexpr int kTextKeyModeTitle = 25008;  // followed by a blank and the mode number

inline constexpr int kTextToneTipsCaption = 29000;
inline constexpr int kTextToneTipTab = 29001;  // followed by a blank and the tip number
inline constexpr int kTextRepeatCount = 29002;
inline constexpr int kTextRepeatGap = 29003;
inline constexpr int kTextPitch = 29004;
inline constexpr int kTextDuration = 29005;
inline constexpr int kTextFirstStep = 29100;  // + step index
inline constexpr int kTextToneOff = 29200;
inline constexpr int kTextToneRest = 29201;

}  // namespace k7x
