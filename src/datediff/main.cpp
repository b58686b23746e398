// datediff: the date page's helper program. Started with two dates
// ("d-m-yyyy d-m-yyyy"), it writes their difference to "datediff.txt" in the
// folder it runs in: whole years, further months, further days and the days
// in total, one value per line. The file is written under a temporary name
// and then renamed, so a reader never sees half a result. A date that cannot
// be read ends the program with a message on standard error and status 1,
// without a result file.
#include "other/datoforskel.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("Brug: datediff D-M-ÅÅÅÅ D-M-ÅÅÅÅ\n", stderr);
        return 2;
    }
    datoforskel::Dato datoer[2];
    for (int i = 0; i < 2; ++i) {
        if (!datoforskel::laesDato(argv[i + 1], datoer[i])) {
            std::fprintf(stderr, "Ugyldig dato: %s\n", argv[i + 1]);
            return 1;
        }
    }
    const std::string tekst = datoforskel::resultatTekst(datoforskel::beregn(datoer[0], datoer[1]));

    const std::filesystem::path ny = "datediff.txt.ny";
    {
        std::ofstream ud(ny, std::ios::binary | std::ios::trunc);
        ud << tekst;
        ud.close();
        if (!ud) {
            std::fputs("Resultatfilen kunne ikke skrives.\n", stderr);
            return 3;
        }
    }
    std::error_code fejl;
    std::filesystem::rename(ny, "datediff.txt", fejl);
    if (fejl) {
        std::filesystem::remove(ny, fejl);
        std::fputs("Resultatfilen kunne ikke skrives.\n", stderr);
        return 3;
    }
    return 0;
}
