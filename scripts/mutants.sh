#!/usr/bin/env bash
# Mutation testing: plants one small fault at a time in the computing core,
# rebuilds and runs the tests. A fault the tests notice is "caught"; one they
# let through is a "survivor" and points at a behaviour no test pins down.
#
#   scripts/mutants.sh [BUILD_DIR]      (default build-mutants, relative to the repository)
#
# The build directory is configured when it does not exist yet; keep it apart
# from build/, as every mutant changes its objects. Settings:
#   MUTANTS_JOBS=N        parallel jobs of the build (default 1)
#   MUTANTS_TEST_JOBS=N   parallel jobs of ctest (default 2)
#   MUTANTS_ONLY="3 7"    run only these mutant numbers
#   MUTANTS_CHECK=1       only report which mutants still apply, build nothing
#
# Each mutant is a file, a short description, a text that must occur exactly
# once in that file and its replacement. A text that no longer occurs exactly
# once (after a refactoring) makes the mutant "not applicable"; the run goes on.
# The file is restored after every mutant, also on errors and Ctrl-C; a copy of
# the original waits in BUILD_DIR/mutant-original until then. ctest stops at the
# first failing test, so caught mutants are quick; the logs of each mutant stay
# in BUILD_DIR/mutant-logs/.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${1:-build-mutants}
jobs=${MUTANTS_JOBS:-1}
test_jobs=${MUTANTS_TEST_JOBS:-2}
only=${MUTANTS_ONLY:-}
check_only=${MUTANTS_CHECK:-0}

# --- The mutants ------------------------------------------------------------

files=() descriptions=() originals=() replacements=()
mutant() {
  files+=("$1")
  descriptions+=("$2")
  originals+=("$3")
  replacements+=("$4")
}

# Number texts: what every field, label and answer shows or reads.
mutant src/engine/number_text.cpp "numbers with all digit places switch to E notation" \
  'exponent >= 0 ? exponent + 1 <= precision' \
  'exponent >= 0 ? exponent + 1 < precision'
mutant src/engine/number_text.cpp "half away from zero rounds a 5 down" \
  'up = next >= 5;' \
  'up = next > 5;'
mutant src/engine/number_text.cpp "a lone comma reads as the number 0" \
  'if (wholeEmpty && fractionDigits == 0) return std::nullopt;' \
  'if (plain.empty()) return std::nullopt;'
mutant src/engine/number_text.cpp "overflow read as 0, underflow refused" \
  'return leadPosition > 0;' \
  'return leadPosition < 0;'
mutant src/engine/format_pattern.cpp "a negative value rounded to zero shows as -0" \
  'std::string text = number.negative && !digits.empty() ? "-" : "";' \
  'std::string text = number.negative ? "-" : "";'
mutant src/engine/requests.cpp "an undefined point (pole) marks the whole term as faulty" \
  'result.termFaulty = !result.value && answer != "undef";' \
  'result.termFaulty = !result.value;'
mutant src/engine/notation.cpp "E notation rewritten without its closing parenthesis" \
  "komma.mid(e + 1) + u')';" \
  'komma.mid(e + 1);'

# View window, panning, axes.
mutant src/plot/view_window.cpp "x-tic 0 is accepted" \
  'if (!(view.xtic > 0))' \
  'if (!(view.xtic >= 0))'
mutant src/plot/view_window.cpp "the x axis at the wrong height (sign of the y origin)" \
  'frame.nullY = frame.pixUnten - frame.massY * view.ymin;' \
  'frame.nullY = frame.pixUnten + frame.massY * view.ymin;'
mutant src/plot/view_commands.cpp "panning up and down swapped" \
  '(direction == Pan::Left || direction == Pan::Down) ?' \
  '(direction == Pan::Left || direction == Pan::Up) ?'
mutant src/plot/coordinate_system.cpp "no tick on the window edge (<= became <)" \
  'while (direction > 0 ? value <= max : value >= min)' \
  'while (direction > 0 ? value < max : value > min)'
mutant src/plot/coordinate_system.cpp "x tick labels drawn above the axis instead of below" \
  'canvas.setCurrentY(ny - 5);' \
  'canvas.setCurrentY(ny + 5);'

# Curve discussion, intersections, zeros.
mutant src/calculus/curve_discussion.cpp "maxima and minima swapped (HP/TP)" \
  '*w < 0 ? QStringLiteral("HP")' \
  '*w > 0 ? QStringLiteral("HP")'
mutant src/calculus/integration.cpp "only two intersections found instead of three" \
  'if (result.xs.size() == 3) break;' \
  'if (result.xs.size() == 2) break;'
mutant src/calculus/root_finders.cpp "regula falsi keeps the wrong half of the bracket" \
  'if (y1 * *ys < 0) {' \
  'if (y1 * *ys > 0) {'
mutant src/calculus/root_finders.cpp "poles and jumps pass as zeros (shrink factor 10)" \
  'constexpr float kZeroShrinkFactor = 0.1f;' \
  'constexpr float kZeroShrinkFactor = 10.0f;'

# Numerical methods.
mutant src/numerics/gauss.cpp "Gauss elimination stops one column early" \
  'for (int k = 1; k <= n - 1; ++k) {' \
  'for (int k = 1; k <= n - 2; ++k) {'
mutant src/numerics/horner.cpp "Horner block one column short" \
  'for (int j = 2; j <= n + 2 - i; ++j) {' \
  'for (int j = 2; j <= n + 1 - i; ++j) {'
mutant src/numerics/newton.cpp "divided differences with the wrong sign" \
  'float dx = x[i - k] - x[i];' \
  'float dx = x[i] - x[i - k];'
mutant src/numerics/spline.cpp "spline system with a wrong diagonal" \
  'd[i] = 2 * (x[i + 1] - x[i - 1]);' \
  'd[i] = 2 * (x[i + 1] - x[i]);'

# Lines and parabolas.
mutant src/geometry/line_tools.cpp "intersection angle with the wrong sign" \
  'const float quotient = (m2 - m1) / denominator;' \
  'const float quotient = (m1 - m2) / denominator;'
mutant src/geometry/line_tools.cpp "a zero coefficient loses its + (term 2x0,0)" \
  "return value >= 0 ? QLatin1Char('+') + text : text;" \
  "return value > 0 ? QLatin1Char('+') + text : text;"
mutant src/geometry/parabola_tools.cpp "discriminant with +q instead of -q" \
  'const double d = (p * (p / 2)) / 2 - q;' \
  'const double d = (p * (p / 2)) / 2 + q;'

# Differential equations.
mutant src/ode/slope_field.cpp "slope field marks mirrored" \
  'dy = dx * *m;' \
  'dy = -dx * *m;'
mutant src/ode/osculating_curve.cpp "osculating circles bend the wrong way" \
  '*y2 > 0 ? ym - std::sqrt(reach) : ym + std::sqrt(reach)' \
  '*y2 > 0 ? ym + std::sqrt(reach) : ym - std::sqrt(reach)'

# Graph files.
mutant src/documents/graph_file.cpp "a file with only five view numbers is accepted" \
  'if (count < kViewNumbers) return atLine(lastNumberLine, missing);' \
  'if (count < kViewNumbers - 1) return atLine(lastNumberLine, missing);'
mutant src/documents/graph_file.cpp "view numbers written with a decimal comma" \
  "exactNumberText(view[i]).replace(u',', u'.').toLatin1()" \
  'exactNumberText(view[i]).toLatin1()'

# Drawing.
mutant src/canvas/canvas.cpp "line width 3 drawn as 2" \
  'drawWidth_ = std::clamp(width, 1, 3);' \
  'drawWidth_ = std::clamp(width, 1, 2);'
mutant src/canvas/canvas.cpp "printed texts keep the screen's point size (too big on paper)" \
  'deviceDpi > 0 ? double(canvas.image().logicalDpiY()) / deviceDpi : 1.0;' \
  '1.0;'
mutant src/canvas/canvas.cpp "hatching covers the curves on vector devices" \
  'const bool masksFirst = device == CanvasDevice::Vector;' \
  'const bool masksFirst = false;'

# Key points and value tables.
mutant src/calculus/curve_discussion.cpp "key-point captions with x and y swapped" \
  "kind + u'(' + xText + u'|' + yText + u')'" \
  "kind + u'(' + yText + u'|' + xText + u')'"
mutant src/plot/caption_placement.cpp "captions may leave the drawing" \
  'if (!bounds.contains(rect)) return false;' \
  'if (!bounds.intersects(rect)) return false;'
mutant src/plot/overlay.cpp "key points left or right of the window are marked" \
  'if (!(x >= xmin && x <= xmax && y >= ymin && y <= ymax)) continue;' \
  'if (!(y >= ymin && y <= ymax)) continue;'
mutant src/calculus/value_table.cpp "the step count is rounded down without tolerance: bis is missed" \
  'std::floor(steps + tolerance)) + 1;' \
  'std::floor(steps)) + 1;'
mutant src/documents/recent_files.cpp "the recent list keeps six sheets" \
  'while (files_.size() > kLimit) files_.removeLast();' \
  'while (files_.size() > kLimit + 1) files_.removeLast();'

# The request module: the one place request texts are written.
mutant src/engine/requests.cpp "user texts go to the engine with their decimal comma" \
  'return EngineTerm(komma2point(typed));' \
  'return EngineTerm(typed);'
mutant src/engine/requests.cpp "higher derivatives asked without their order" \
  'call("diff", {f.text(), QStringLiteral("x"), QString::number(order)})' \
  'call("diff", {f.text(), QStringLiteral("x")})'
mutant src/engine/requests.cpp "the definite integral approximated in upper case" \
  'return engine.request(call("approx", {integral}));' \
  'return engine.request(call("APPROX", {integral}));'
mutant src/engine/requests.cpp "the slope field's substitution without its blanks" \
  'QStringLiteral(", ") + value.text() + u'"'"')'"'"'));' \
  'QStringLiteral(",") + value.text() + u'"'"')'"'"'));'
mutant src/engine/number_text.cpp "an answer is read past its end (the exponent's sign)" \
  'if (at < end && (unit(*at) == u'"'"'+'"'"' || unit(*at) == u'"'"'-'"'"')) {
      if (unit(*at) == u'"'"'-'"'"') plain += '"'"'-'"'"';' \
  'if ((unit(*at) == u'"'"'+'"'"' || unit(*at) == u'"'"'-'"'"')) {
      if (unit(*at) == u'"'"'-'"'"') plain += '"'"'-'"'"';'

# The overlay: world geometry mapped through the pixel frame, pens set.
mutant src/plot/overlay.cpp "world points mapped with x and y swapped" \
  'return frame.point(static_cast<float>(world.x()), static_cast<float>(world.y()), view);' \
  'return frame.point(static_cast<float>(world.y()), static_cast<float>(world.x()), view);'
mutant src/plot/overlay.cpp "a curve is joined to points beyond the band" \
  '(!banded || (next.y() >= frame.pixUnten - band && next.y() <= frame.pixOben + band))' \
  '(!banded || next.y() >= frame.pixUnten - band)'
mutant src/plot/overlay.cpp "a drawing that keeps the pen leaves its own behind" \
  'if (drawing.style.keepsPen) setPen(canvas, before);' \
  'if (false) setPen(canvas, before);'
mutant src/plot/overlay.cpp "entry colours taken from the palette slot of the same number" \
  'return appearance.curveColor(ink.index);' \
  'return appearance.palette[ink.index % kPaletteSize];'

# The sheet's document, steps and view.
mutant src/sheet/sheet_document.cpp "a list filled from empty has no entry chosen" \
  'if (current < 0 && !more.isEmpty()) current = 0;' \
  'if (current < -1 && !more.isEmpty()) current = 0;'
mutant src/sheet/undo_controller.cpp "typing after a change goes into the step before it" \
  'if (!pending_) amend(committed_.document);' \
  'amend(committed_.document);'
mutant src/sheet/undo_controller.cpp "a gesture's changes wait for the next change to become a step" \
  'if (pending_) noteChange();' \
  'if (false) noteChange();'
mutant src/sheet/view_navigation.cpp "a drag moves the view along with the mouse instead of against it" \
  '(drag_->from.x() - at.x()) / frame.massX' \
  '(at.x() - drag_->from.x()) / frame.massX'

# Faults that once went unnoticed.
mutant src/numerics/spline.cpp "spline system with a wrong right-hand side in the elimination" \
  'r[i] = r[i] - q * r[i - 1];' \
  'r[i] = r[i] - q * r[i];'
mutant src/calculus/root_finders.cpp "the minimum search splits the smaller part" \
  'const double xn = (xb - xm) < (xm - xa) ? (xa + xm) / 2 : (xm + xb) / 2;' \
  'const double xn = (xb - xm) > (xm - xa) ? (xa + xm) / 2 : (xm + xb) / 2;'
mutant src/documents/graph_file.cpp "CR LF counted as two line ends" \
  'if (c == u'"'"'\r'"'"' && i + 1 < text.size() && text[i + 1] == u'"'"'\n'"'"') ++i;' \
  'if (false) ++i;'
mutant src/ode/slope_field.cpp "slope field grid counted one column short for the mark limit" \
  'const double columns = std::floor(x1 - x0) + 1,' \
  'const double columns = std::floor(x1 - x0),'
mutant src/ode/osculating_curve.cpp "second-order steps measured from 0 instead of x0" \
  'const float h = (window.xmax - x) / kSteps;' \
  'const float h = window.xmax / kSteps;'

# The symbolic engine.
mutant symbolic/numeric.cpp "fast evaluation: sign(0) is 1" \
  'return v > 0 ? 1.0 : (v < 0 ? -1.0' \
  'return v >= 0 ? 1.0 : (v < 0 ? -1.0'
mutant symbolic/giac_printer.cpp "a denominator of several factors loses its parentheses" \
  'text += "/(" + join(lower) + ")";' \
  'text += "/" + join(lower);'
mutant symbolic/giac_backend.cpp "a longer form of an answer wins" \
  'if (!best || text.size() < best->size()) best = std::move(text);' \
  'if (!best || text.size() > best->size()) best = std::move(text);'
mutant symbolic/giac_backend.cpp "abs on a piece keeps the sign of the argument where it is negative" \
  ': giac::gen(*sign) * argument);' \
  ': argument);'
mutant symbolic/giac_backend.cpp "imaginary antiderivatives of real terms are kept" \
  'if ((real && giac::has_i(form)) || hasUndefined(form)) return;' \
  'if (hasUndefined(form)) return;'
mutant symbolic/giac_errors.cpp "Giac's messages are passed on in English" \
  'return translation.german;' \
  'return std::string(giacMessage);'

# --- Helpers ----------------------------------------------------------------

# How often the exact text $2 occurs in file $1.
occurrences() {
  MUTANT_TEXT=$2 perl -0777 -ne 'my $n = () = /\Q$ENV{MUTANT_TEXT}\E/g; print $n' -- "$1"
}

selected() {
  [[ -z $only ]] || [[ " $only " == *" $1 "* ]]
}

marker=$build_dir/mutant-in-progress  # holds the path of the mutated file
original_copy=$build_dir/mutant-original
mutated_file=""

# Puts the original text back; safe to call at any time.
restore() {
  if [[ -n $mutated_file ]]; then
    # A plain copy gives the file a new time stamp, so the next build sees it.
    cp "$original_copy" "$mutated_file"
    mutated_file=""
    rm -f "$marker" "$original_copy"
  fi
}
# The message goes to the original stderr (fd 3): a trap may run while a
# build's output is still redirected into a log.
exec 3>&2
trap restore EXIT
trap 'restore; echo "Interrupted; the sources are restored." >&3; exit 130' INT TERM

if [[ -e $marker ]]; then
  echo "An earlier run was killed while $(cat "$marker") held a mutant." >&2
  echo "Its original is $original_copy: put it back (cp), remove $marker, then run again." >&2
  exit 1
fi

build() {
  nice -n 10 cmake --build "$build_dir" -j "$jobs"
}

run_tests() {
  QT_QPA_PLATFORM=offscreen nice -n 10 \
    ctest --test-dir "$build_dir" --stop-on-failure -j "$test_jobs" --timeout 120
}

# The first test that did not pass, from a ctest log.
first_failure() {
  grep -E 'Test +#[0-9]+: ' "$1" | grep -v ' Passed ' | head -n 1 |
    sed -E 's/.*Test +#[0-9]+: ([^ ]+).*/\1/' || true
}

# --- Applicability only -----------------------------------------------------

if [[ $check_only == 1 ]]; then
  for i in "${!files[@]}"; do
    n=$((i + 1))
    selected "$n" || continue
    state="applicable"
    if [[ ! -f ${files[i]} ]]; then
      state="NOT APPLICABLE (file not found)"
    elif ! count=$(occurrences "${files[i]}" "${originals[i]}") || [[ $count != 1 ]]; then
      state="NOT APPLICABLE (text found $count times)"
    fi
    printf '%2d  %-36s %-58s %s\n' "$n" "${files[i]}" "${descriptions[i]}" "$state"
  done
  exit 0
fi

# --- Unmutated build: the tests must pass first -----------------------------

if [[ ! -f $build_dir/CMakeCache.txt ]]; then
  nice -n 10 cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKURVALON_BENCH=OFF
fi
log_dir=$build_dir/mutant-logs
mkdir -p "$log_dir"

echo "Building and testing the unmutated sources in $build_dir ..."
if ! build >"$log_dir/unmutated.log" 2>&1 || ! run_tests >>"$log_dir/unmutated.log" 2>&1; then
  echo "The unmutated sources do not build or pass their tests; see $log_dir/unmutated.log." >&2
  exit 1
fi

# --- One mutant after another -----------------------------------------------

applicable=0 caught=0
survivors=() not_applicable=()
run_start=$SECONDS

for i in "${!files[@]}"; do
  n=$((i + 1))
  selected "$n" || continue
  file=${files[i]} description=${descriptions[i]}
  log=$log_dir/$(printf '%02d' "$n").log
  start=$SECONDS
  detail=""

  reason=""
  if [[ ! -f $file ]]; then
    reason="file not found"
  elif ! count=$(occurrences "$file" "${originals[i]}") || [[ $count != 1 ]]; then
    reason="text found $count times"
  fi
  if [[ -n $reason ]]; then
    result="NOT APPLICABLE"
    not_applicable+=("$n $file: $description ($reason)")
  else
    applicable=$((applicable + 1))
    # Keep the original, note it, then write the mutated text over the file.
    cp "$file" "$original_copy"
    echo "$file" >"$marker"
    mutated_file=$file
    MUTANT_FROM=${originals[i]} MUTANT_TO=${replacements[i]} \
      perl -0777 -pe 's/\Q$ENV{MUTANT_FROM}\E/$ENV{MUTANT_TO}/' -- "$original_copy" >"$file"

    if ! build >"$log" 2>&1; then
      result="CAUGHT (build)"
      caught=$((caught + 1))
    elif ! run_tests >>"$log" 2>&1; then  # a failing test is the expected outcome
      result="CAUGHT"
      detail="  (first failing test: $(first_failure "$log"))"
      caught=$((caught + 1))
    else
      result="SURVIVED"
      survivors+=("$n $file: $description")
    fi
    restore
  fi
  printf '%2d  %-36s %-58s %-14s %4ds%s\n' "$n" "$file" "$description" "$result" \
    $((SECONDS - start)) "$detail"
done

# --- Back to the unmutated build, then the summary --------------------------

restore
echo "Rebuilding the unmutated sources ..."
build >"$log_dir/restored.log" 2>&1 || echo "The final rebuild failed; see $log_dir/restored.log." >&2

echo
if ((applicable > 0)); then
  echo "caught $caught of $applicable applicable mutants ($((100 * caught / applicable)) %)"
else
  echo "caught 0 of 0 applicable mutants"
fi
echo "time: $((SECONDS - run_start)) s"
if ((${#survivors[@]} > 0)); then
  echo "Survivors:"
  printf '  %s\n' "${survivors[@]}"
fi
if ((${#not_applicable[@]} > 0)); then
  echo "Not applicable:"
  printf '  %s\n' "${not_applicable[@]}"
fi
