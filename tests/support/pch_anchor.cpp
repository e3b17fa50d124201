// Anchors the precompiled test header; the library has no code of its own.
