// The menu of the worked building sequence, shared by the check's and the repair's tests: two
// main pages and a settings block, but no menu_preferences item (the check warns about that).
#pragma once

#include <string>
#include <vector>

inline std::vector<std::string> workedExample() {
    return {"MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|",
            "MENUPAGE|TASK_PAGE1|Hauptmenü 1/2|",
            "MENUITEM|TASK_NAVIGATE_TO|",
            "MENUITEM|TASK_PLAN_VIA|",
            "MENUITEM|TASK_PAGE2|",
            "MENUPAGE|TASK_PAGE2|Hauptmenü 2/2|",
            "MENUITEM|TASK_SHOW_MAP|",
            "MENUITEM|TASK_PAGE1|",
            "MENUBLOCK|BLOCK_PREF|BTM_GPS_POSITION|",
            "MENUPAGE|TASK_PAGE3|Einstellungen 1/1|",
            "MENUITEM|TASK_SET_VOLUME|",
            "MENUITEM|TASK_PAGE1|"};
}
