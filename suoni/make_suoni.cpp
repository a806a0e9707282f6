// Writes Esatto.wav and no.wav into the folder given as the argument.
#include "Synth.h"

#include <cstdio>
#include <fstream>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_suoni <folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    const auto write = [&](const char* name, const std::vector<std::int16_t>& samples) {
        std::ofstream file(folder + "/" + name, std::ios::binary | std::ios::trunc);
        file << synth::wavFile(samples);
        return bool(file);
    };
    if (!write("Esatto.wav", synth::chime()) || !write("no.wav", synth::uhOh())) {
        std::fprintf(stderr, "make_suoni: cannot write into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}
