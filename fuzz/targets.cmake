# The fuzz targets, one per parser or algorithm that takes outside bytes. Read by fuzz/ (which
# builds them natively) and by the win64 test tree (which runs each briefly as a smoke test).
set(FUZZ_TARGETS textform commatext linereader profile integer pathscan comparebytewise addonsort)
