#pragma once
// The sound player the program loads on its first sound (a module of its own, not a library
// the program links): Qt Multimedia and the audio libraries behind it are then loaded by a
// program that plays a sound, not by every start. The program finds the module beside itself
// (the build tree) or in its own library folder (installed) and calls this one function.

extern "C" {
// Plays the wave file `path` (in the file system's encoding) asynchronously when there is an
// audio device; silent otherwise. Never reports an error. Needs a running QCoreApplication.
void krv_play_sound(const char* path);
}

namespace krv {

using PlaySoundFunction = decltype(&krv_play_sound);
inline constexpr char kSoundModuleFile[] = "libkrashball_sound.so";
inline constexpr char kPlaySoundSymbol[] = "krv_play_sound";

}  // namespace krv
