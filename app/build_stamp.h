#pragma once

// The build stamp: the compiler's build date ("Jun  1 2024") and time
// ("07:05:09") read as YYYYMMDD and seconds since midnight.
struct BuildStamp {
    int date = 0;   // YYYYMMDD
    int time = 0;   // seconds since midnight
};

BuildStamp buildStampOf(const char* dateText, const char* timeText);

// The texts of the running client; the executable sets them from a unit
// compiled anew at every build.
void setBuildStampTexts(const char* dateText, const char* timeText);
BuildStamp currentBuildStamp();
