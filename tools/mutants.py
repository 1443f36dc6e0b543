"""The mutants of a C++ source: ordinary slips a developer could make, each one a single
change to one line. Used by mutate.py."""

import re
from dataclasses import dataclass


@dataclass(frozen=True)
class Mutant:
    path: str  # relative to the source tree
    line: int  # 1-based
    operator: str
    start: int  # offsets in the line
    end: int
    replacement: str
    second_line: int = 0  # a swapped table row's neighbour, 1-based

    def describe(self, lines):
        text = lines[self.line - 1]
        if self.operator == "swap rows":
            other = lines[self.second_line - 1]
            return f"{text.strip()}  <->  {other.strip()}"
        if self.operator == "delete statement":
            return f"deleted: {text.strip()}"
        changed = text[:self.start] + self.replacement + text[self.end:]
        return f"{text[self.start:self.end].strip()} -> {self.replacement.strip()}" \
               f"   now: {changed.strip()}"

    def apply(self, lines):
        lines = list(lines)
        if self.operator == "swap rows":
            a, b = self.line - 1, self.second_line - 1
            lines[a], lines[b] = lines[b], lines[a]
        elif self.operator == "delete statement":
            indent = re.match(r"\s*", lines[self.line - 1]).group(0)
            lines[self.line - 1] = indent + ";"
        else:
            text = lines[self.line - 1]
            lines[self.line - 1] = text[:self.start] + self.replacement + text[self.end:]
        return lines


# ---------------------------------------------------------------------------------------------
# Finding mutants


def mask_line(text, in_block_comment):
    """The line with string and character literals and comments blanked out, so that operators
    are only looked for in code; and whether a block comment is still open at its end."""
    out = []
    i = 0
    while i < len(text):
        if in_block_comment:
            end = text.find("*/", i)
            if end < 0:
                out.append(" " * (len(text) - i))
                return "".join(out), True
            out.append(" " * (end + 2 - i))
            i = end + 2
            in_block_comment = False
            continue
        ch = text[i]
        if text.startswith("//", i):
            out.append(" " * (len(text) - i))
            break
        if text.startswith("/*", i):
            in_block_comment = True
            out.append("  ")
            i += 2
            continue
        if ch in "\"'":
            j = i + 1
            while j < len(text) and text[j] != ch:
                j += 2 if text[j] == "\\" else 1
            out.append(ch + " " * (min(j, len(text)) - i - 1) + (ch if j < len(text) else ""))
            i = j + 1
            continue
        out.append(ch)
        i += 1
    return "".join(out), in_block_comment


COMPARISONS = {" < ": " <= ", " <= ": " < ", " > ": " >= ", " >= ": " > ",
               " == ": " != ", " != ": " == "}
LOGICAL = {" && ": " || ", " || ": " && "}
DECLARATION = re.compile(r"^\s*(const\s+|constexpr\s+|static\s+)*[\w:]+(<[^;]*>)?[&*]?\s+[&*]?\w+\s*(=|\{|\(|;|\[)")
STATEMENT = re.compile(r"^\s*(\+\+|--)?[\w:.\->\[\]*]+(\s*([-+*/|&]?=|\+\+|--)|\(|\.|->).*;\s*$")
ROW = re.compile(r"^\s*(\{.*\}|[A-Za-z_]\w*\(.*\)),\s*$")
LITERAL_ROW = re.compile(r"^\s*((0[xX][0-9A-Fa-f]+|\d+),\s*)+(0[xX][0-9A-Fa-f]+|\d+)?,?\s*$")
INTEGER = re.compile(r"(?<![\w.])(0[xX][0-9A-Fa-f]+|\d+)([uUlL]*)(?![\w.])")


def matching_paren(text, open_at):
    depth = 0
    for i in range(open_at, len(text)):
        if text[i] == "(":
            depth += 1
        elif text[i] == ")":
            depth -= 1
            if depth == 0:
                return i
    return -1


def find_mutants(path, lines):
    mutants = []
    in_comment = False
    masked_lines = []
    for text in lines:
        masked, in_comment = mask_line(text, in_comment)
        masked_lines.append(masked)

    for number, (text, masked) in enumerate(zip(lines, masked_lines), start=1):
        code = masked.strip()
        if not code or code.startswith("#") or code.startswith("static_assert"):
            continue

        for table, operator in ((COMPARISONS, "comparison"), (LOGICAL, "logical")):
            for original, replacement in table.items():
                for match in re.finditer(re.escape(original), masked):
                    mutants.append(Mutant(path, number, operator, match.start(), match.end(),
                                          replacement))

        for match in re.finditer(r"\b(if|while) \(", masked):
            open_at = match.end() - 1
            close_at = matching_paren(masked, open_at)
            if close_at > 0:
                condition = text[open_at + 1:close_at]
                mutants.append(Mutant(path, number, "negate condition", open_at + 1, close_at,
                                      f"!({condition})"))

        for match in re.finditer(r"\b(true|false)\b", masked):
            flipped = "false" if match.group(1) == "true" else "true"
            mutants.append(Mutant(path, number, "flip boolean", match.start(), match.end(),
                                  flipped))

        for match in INTEGER.finditer(masked):
            literal = match.group(1)  # a suffix (u, L) stays as it is
            value = int(literal, 0)
            for delta in (1, -1):
                moved = value + delta
                if moved < 0:
                    continue
                written = (f"0x{moved:04X}" if literal[:2].lower() == "0x" else str(moved))
                mutants.append(Mutant(path, number, f"integer {delta:+d}", match.start(1),
                                      match.end(1), written))

        previous = next((m.strip() for m in reversed(masked_lines[:number - 1]) if m.strip()), "{")
        if (STATEMENT.match(masked) and not DECLARATION.match(masked)
                and previous[-1] in ";{}:" 
                and not re.match(r"\s*(return|case|using|namespace)\b", masked)
                and masked.count("(") == masked.count(")")):
            mutants.append(Mutant(path, number, "delete statement", 0, len(text), ""))

        # Two neighbouring entries of a table of numbers written several to a line.
        if LITERAL_ROW.match(masked):
            for match in re.finditer(r"(0[xX][0-9A-Fa-f]+|\d+), (0[xX][0-9A-Fa-f]+|\d+)", masked):
                if match.group(1) != match.group(2):
                    mutants.append(Mutant(path, number, "swap entries", match.start(), match.end(),
                                          f"{match.group(2)}, {match.group(1)}"))

        # Two neighbouring rows of a constant table, each on one line and alike in shape.
        if number < len(lines):
            below = masked_lines[number]
            if (ROW.match(masked) and ROW.match(below) and masked.strip()[0] == below.strip()[0]
                    and text.strip() != lines[number].strip()):
                mutants.append(Mutant(path, number, "swap rows", 0, 0, "", number + 1))
    return mutants


# ---------------------------------------------------------------------------------------------
# Running them
