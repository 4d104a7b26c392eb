# Makes a Wine prefix show Chinese menus and boxes with WenQuanYi Micro Hei (fonts-wqy-microhei):
# linked behind the Western UI fonts, and standing in for the Chinese fonts a Chinese locale
# asks for. Source it, then call use_cjk_fonts with WINEPREFIX set.
# shellcheck shell=bash

use_cjk_fonts() {
  local font
  for font in "Tahoma" "Microsoft Sans Serif" "MS Shell Dlg" "MS Shell Dlg 2"; do
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v "$font" \
      /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f >/dev/null 2>&1
  done
  for font in SimSun NSimSun "宋体" "新宋体" SimHei "黑体" "Microsoft YaHei" "微软雅黑"; do
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$font" /t REG_SZ /d 'WenQuanYi Micro Hei' /f \
      >/dev/null 2>&1
  done
  wineserver -w
}
