#!/usr/bin/env python3
"""Makes skaldrun-cli's man page and its bash and zsh completions from its --help text, so the
three say what the program says.

    cli-docs.py PROGRAM VERSION OUTDIR

writes OUTDIR/skaldrun-cli.1.gz, OUTDIR/skaldrun-cli.bash and OUTDIR/_skaldrun-cli."""
import gzip
import os
import re
import subprocess
import sys


def entries(lines):
    """(head, text) pairs of an indented two-column block; deeper lines continue the text."""
    out = []
    for line in lines:
        if not line.strip():
            continue
        m = re.match(r"^  (\S.*?)(?:\s{2,}(.*))?$", line)
        if m and not line.startswith("   "):
            out.append([m.group(1).strip(), (m.group(2) or "").strip()])
        elif out:
            out[-1][1] = (out[-1][1] + " " + line.strip()).strip()
    return out


def parse(help_text):
    lines = help_text.splitlines()
    options_at = lines.index("Options:")
    arguments_at = lines.index("Arguments:")
    description = lines[1:options_at]
    commands_at = description.index("Commands:")
    intro = " ".join(l.strip() for l in description[:commands_at] if l.strip())
    rest = description[commands_at + 1:]
    blank = next(i for i, l in enumerate(rest) if not l.strip())
    commands = entries(rest[:blank])
    closing = " ".join(l.strip() for l in rest[blank:] if l.strip())
    options = []
    for head, text in entries(lines[options_at + 1:arguments_at]):
        if head == "--help-all":  # Qt's own options, not ours
            continue
        names = [n.strip() for n in re.sub(r"\s*<[^>]*>", "", head).split(",")]
        value = re.search(r"<([^>]*)>", head)
        options.append({"names": names, "value": value.group(1) if value else None, "text": text})
    return intro, commands, closing, options


def choices(option):
    """The words an option's value is one of, when its text lists them ("x: a, b or c.")."""
    m = re.search(r":\s*([a-z]+(?:, [a-z]+)* or [a-z]+)\.?$", option["text"])
    return re.split(r", | or ", m.group(1)) if m else []


def tree(commands):
    """Each command with its subcommands, in the order the help lists them."""
    out = {}
    for head, _ in commands:
        words = head.split()
        subs = out.setdefault(words[0], [])
        if len(words) > 1 and re.fullmatch(r"[a-z]+", words[1]) and words[1] not in subs:
            subs.append(words[1])
    return out


def roff(text):
    text = text.replace("\\", "\\e").replace("-", "\\-")
    return "\\&" + text if text[:1] in (".", "'") else text


def man_page(version, intro, commands, closing, options):
    out = [
        '.TH SKALDRUN\\-CLI 1 "" "skaldrun\\-cli %s" "User Commands"' % version,
        ".SH NAME",
        "skaldrun\\-cli \\- set up Valheim with BepInEx and manage its mods from a terminal",
        ".SH SYNOPSIS",
        ".B skaldrun\\-cli",
        "[\\fIoptions\\fR] \\fIcommand\\fR [\\fIargument\\fR...]",
        ".SH DESCRIPTION",
        roff(intro),
        ".SH COMMANDS",
    ]
    for head, text in commands:
        # The words to type in bold, the placeholders (upper case) in italics.
        words = ["\\fI%s\\fB" % roff(w) if re.search(r"[A-Z]{2}", w) else roff(w) for w in head.split()]
        out += [".TP", "\\fB%s\\fR" % " ".join(words), roff(text)]
    out.append(".SH OPTIONS")
    for option in options:
        head = ", ".join("\\fB%s\\fR" % roff(n) for n in option["names"])
        if option["value"]:
            head += " \\fI%s\\fR" % roff(option["value"])
        out += [".TP", head, roff(option["text"])]
    out += [".SH EXIT STATUS", roff(closing), ".SH SEE ALSO", "\\fBskaldrun\\fR, the window over the same model."]
    return "\n".join(out) + "\n"


def value_kind(option):
    if option["value"] == "DIR":
        return "dir"
    if option["value"] and ".r2z" in option["text"]:
        return "r2z"
    return "words" if choices(option) else "free"


def bash(commands, options):
    tree_ = tree(commands)
    flags = " ".join(n for o in options for n in o["names"])
    takes = "|".join(n for o in options if o["value"] for n in o["names"])
    values = []
    for option in options:
        if not option["value"]:
            continue
        pattern = "|".join(option["names"])
        kind = value_kind(option)
        if kind == "dir":
            values.append('        %s) COMPREPLY=($(compgen -d -- "$cur")); return ;;' % pattern)
        elif kind == "r2z":
            values.append("        %s) COMPREPLY=($(compgen -d -- \"$cur\") $(compgen -f -X '!*.r2z' -- \"$cur\")); return ;;"
                          % pattern)
        elif kind == "words":
            values.append('        %s) COMPREPLY=($(compgen -W "%s" -- "$cur")); return ;;' % (pattern, " ".join(choices(option))))
        else:
            values.append("        %s) return ;;" % pattern)
    subs = ["        %s) words=\"%s\" ;;" % (c, " ".join(s)) for c, s in tree_.items() if s]
    return """# bash completion for skaldrun-cli, made from its --help when it was built.
_skaldrun_cli() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
    COMPREPLY=()
    case $prev in
%(values)s
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "%(flags)s" -- "$cur"))
        return
    fi
    local i command= sub=
    for ((i = 1; i < COMP_CWORD; i++)); do
        case ${COMP_WORDS[i]} in
            %(takes)s) ((i++)) ;;
            -*) ;;
            *) if [[ -z $command ]]; then command=${COMP_WORDS[i]}; elif [[ -z $sub ]]; then sub=${COMP_WORDS[i]}; fi ;;
        esac
    done
    local words=
    if [[ -z $command ]]; then
        words="%(commands)s"
    elif [[ -z $sub ]]; then
        case $command in
%(subs)s
        esac
    elif [[ $command == profile && $sub == import ]]; then
        COMPREPLY=($(compgen -f -- "$cur"))
        return
    fi
    COMPREPLY=($(compgen -W "$words" -- "$cur"))
}
complete -o filenames -F _skaldrun_cli skaldrun-cli
""" % {"values": "\n".join(values), "flags": flags, "takes": takes, "commands": " ".join(tree_),
       "subs": "\n".join(subs)}


def zsh_text(text):
    """Text inside a single-quoted word: quotes closed and reopened, brackets escaped for _arguments."""
    return text.replace("\\", "\\\\").replace("'", "'\\''").replace("[", "\\[").replace("]", "\\]")


def zsh(commands, options):
    tree_ = tree(commands)
    specs = []
    for option in options:
        names = option["names"]
        excl = "(%s)" % " ".join(names) if len(names) > 1 else ""
        spec_names = "{%s}" % ",".join(names) if len(names) > 1 else names[0]
        action = ""
        if option["value"]:
            kind = value_kind(option)
            action = {"dir": ":%s:_files -/" % option["value"], "r2z": ":%s:_files -g '*.r2z'" % option["value"],
                      "words": ":%s:(%s)" % (option["value"], " ".join(choices(option))),
                      "free": ":%s: " % option["value"]}[kind]
        specs.append("    '%s'%s'[%s]%s'" % (excl, spec_names, zsh_text(option["text"]), action.replace("'", "'\\''"))
                     if excl else "    '%s[%s]%s'" % (names[0], zsh_text(option["text"]), action.replace("'", "'\\''")))
    # A command with subcommands is described by them; the others by their own line.
    described = {}
    for head, text in commands:
        command = head.split()[0]
        described.setdefault(command, ", ".join(tree_[command]) if tree_[command] else text)
    command_list = "\n".join("    '%s:%s'" % (c, zsh_text(t)) for c, t in described.items())
    subs = "\n".join("        %s) _values 'subcommand' %s ;;" % (c, " ".join(s)) for c, s in tree_.items() if s)
    return """#compdef skaldrun-cli
# zsh completion for skaldrun-cli, made from its --help when it was built.
local -a commands=(
%(commands)s
)
local curcontext=$curcontext state line
_arguments -C \\
%(specs)s \\
    '1:command:->command' \\
    '*::argument:->argument'
case $state in
    command) _describe -t commands 'skaldrun-cli command' commands ;;
    argument)
        if (( CURRENT == 2 )); then
            case $words[1] in
%(subs)s
            esac
        elif [[ $words[1] == profile && $words[2] == import ]]; then
            _files
        fi ;;
esac
""" % {"commands": command_list, "specs": " \\\n".join(specs), "subs": subs}


def main():
    program, version, outdir = sys.argv[1:4]
    help_text = subprocess.run([program, "--help"], check=True, capture_output=True, text=True,
                               env=dict(os.environ, QT_QPA_PLATFORM="offscreen")).stdout
    intro, commands, closing, options = parse(help_text)
    os.makedirs(outdir, exist_ok=True)
    # mtime 0: the same help gives the same bytes.
    with open(os.path.join(outdir, "skaldrun-cli.1.gz"), "wb") as raw:
        with gzip.GzipFile(filename="", mode="wb", fileobj=raw, mtime=0) as page:
            page.write(man_page(version, intro, commands, closing, options).encode())
    with open(os.path.join(outdir, "skaldrun-cli.bash"), "w") as f:
        f.write(bash(commands, options))
    with open(os.path.join(outdir, "_skaldrun-cli"), "w") as f:
        f.write(zsh(commands, options))


if __name__ == "__main__":
    main()
