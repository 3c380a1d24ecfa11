#include "game/About.h"

namespace golmok {

std::string VersionText(std::string_view program, std::string_view version) {
    std::string text;
    text.append(program).append(" ").append(version).append("\n");
    text +=
        "Copyright (C) 2026 golmok developers\n"
        "라이선스: 프로그램은 GPLv3+ (GNU GPL 버전 3 또는 그 뒤의 버전)"
        " <https://gnu.org/licenses/gpl.html>,\n"
        "그림, 음악, 안내서는 CC BY-SA 4.0 <https://creativecommons.org/licenses/by-sa/4.0/>.\n"
        "자유 소프트웨어이므로 누구나 고치고 다시 배포할 수 있습니다.\n"
        "법이 허락하는 데까지 어떤 보증도 없습니다.\n";
    return text;
}

const char* const kReportFaults =
    "오류 보고: 패키지로 설치했다면 그 관리자에게('dpkg -s golmok'의 Maintainer),\n"
    "소스에서 만들었다면 소스를 받은 곳에 알려 주십시오.\n";

}  // namespace golmok
