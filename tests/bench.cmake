# A smoke run of the benchmark: few repetitions, offscreen, no targets judged,
# so that it keeps building and running. `make bench` makes the measurements.
add_test(NAME bench_smoke COMMAND vortelia_bench --quick --no-targets --offscreen-only)
set_tests_properties(bench_smoke PROPERTIES TIMEOUT 120 ENVIRONMENT QT_QPA_PLATFORM=offscreen)
