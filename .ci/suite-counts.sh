# What a suite ran, read from its reports, sourced by .ci/x86.sh: CTest
# counts test programs and check scripts, but a GoogleTest program holds many
# cases and a Dart test file many tests. Each function prints one line.

# The cases of the GoogleTest programs that wrote their XML reports into a
# folder (GTEST_OUTPUT=xml:<folder>/), summed over their test suites.
gtest_counts() { # xml-folder
  local reports=("$1"/*.xml)
  [ -f "${reports[0]}" ] || {
    echo "no GoogleTest report in $1"
    return 1
  }
  awk -v programs=${#reports[@]} '
    /<testsuite / {
      for (i = 1; i <= NF; i++) {
        if (split($i, pair, "=") == 2) {
          gsub(/"/, "", pair[2])
          count[pair[1]] += pair[2]
        }
      }
    }
    END {
      failed = count["failures"] + count["errors"]
      passed = count["tests"] - failed - count["skipped"] - count["disabled"]
      printf "%d GoogleTest cases in %d programs: %d passed, %d failed, %d skipped, %d disabled\n",
        count["tests"], programs, passed, failed, count["skipped"], count["disabled"]
    }' "${reports[@]}"
}

# The Dart suite's tests and checks, from the verbose CTest output of its
# files (tests/dart/support/lib/check.dart prints "ok N - name (K checks, ...)"
# per test and "# P of T tests passed" per file). Each output line carries
# its CTest test's number; a file that CTest ran again counts once, as its
# last run.
dart_counts() { # ctest-log
  awk '
    match($0, /^[0-9]+: (not )?ok [0-9]+ - /) {
      file = $1
      if ($0 ~ /^[0-9]+: (not )?ok 1 - /) checks[file] = 0
      if (match($0, /\([0-9]+ checks?, /)) checks[file] += substr($0, RSTART + 1) + 0
    }
    /^[0-9]+: # [0-9]+ of [0-9]+ tests passed/ { passed[$1] = $3; total[$1] = $5 }
    END {
      for (file in total) { files++; all += total[file]; good += passed[file]; sum += checks[file] }
      printf "%d Dart test files: %d of %d tests passed, %d checks\n", files, good, all, sum
    }' "$1"
}

# The load figure that the Dart load test prints ("load: ..."), or a line
# saying that none was printed.
load_lines() { # ctest-log
  local found
  found=$(sed -n 's/^[0-9]*: *\(load:.*\)$/\1/p' "$1")
  if [ -n "$found" ]; then
    echo "$found"
  else
    echo "no load line found: no Dart test printed one starting \"load:\""
  fi
}
