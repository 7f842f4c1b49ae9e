#pragma once

#include <array>
#include <string>

namespace rokal::bench {

// A pile schedule of n rows as the bytes of a UTF-8 CSV file: diameters, depths
// (in mm and as multiples of d), rock strengths, grades and processes vary from
// row to row; most rows carry both loads, some only Nk, some none, so that the
// checks and the design meet every case.
inline std::string ScheduleCsv(int n) {
    static const std::array<const char*, 4> kProcesses = {"干作业", "泥浆护壁", "后注浆", "水下"};
    static const std::array<const char*, 4> kGrades = {"C25", "C30", "C35", "C40"};
    std::string csv = "桩号,桩径,嵌岩深度,岩石强度,混凝土,工艺,Nk,N,备注\r\n";
    for (int i = 0; i < n; ++i) {
        const int d = 600 + (i * 37 % 15) * 100;
        const std::string hr =
            i % 3 == 0 ? std::to_string(500 + i * 53 % 4000) : std::to_string(1 + i % 5) + ".5d";
        const std::string frk = std::to_string(3 + i * 7 % 60) + "." + std::to_string(i % 10);
        const std::string nk = i % 7 == 6 ? "" : std::to_string(d * d / 150 + i * 31 % 4000);
        const std::string axial = i % 5 == 4 ? "" : std::to_string(d * d / 120 + i * 17 % 3000);
        csv += "ZH" + std::to_string(i + 1) + "," + std::to_string(d) + "," + hr + "," + frk + "," +
               kGrades[i % 4] + "," + kProcesses[i / 4 % 4] + "," + nk + "," + axial + ",第" +
               std::to_string(i / 20 + 1) + "轴\r\n";
    }
    return csv;
}

}  // namespace rokal::bench
