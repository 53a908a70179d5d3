// pe-exports FILE: prints what a PE32 or PE32+ image is, what it exports and which DLLs it imports.
#include <cstdio>

#include "pe/pe_image.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: pe-exports FILE\n");
    return 2;
  }
  std::string error;
  const auto image = ornil::pe::ReadPeImage(argv[1], &error);
  if (!image) {
    std::fprintf(stderr, "%s: %s\n", argv[1], error.c_str());
    return 1;
  }
  std::printf("%s: %s %s, machine 0x%04X, %zu exports\n", image->dllName.c_str(),
              image->isPe32Plus ? "PE32+" : "PE32", image->isDll ? "DLL" : "program",
              image->machine, image->exports.size());
  for (const auto& name : image->exports)
    std::printf("  export  %s\n", name.c_str());
  for (const auto& name : image->imports)
    std::printf("  imports %s\n", name.c_str());
  return 0;
}
