# The tag reader: every tag of each file, read with ExifTool's library and printed in the PHP form
# of `exiftool -php -G1:4 -a -l -struct -api QuickTimeUTC -All -FilePath`, so that one parser
# reads both. It asks the library what that command asks, but converts each value once where
# the command converts it twice, and skips the command-line program's general machinery:
# about a fifth less time a read.
#
# Driven like `exiftool -stay_open True -@ -`: one argument per line on standard input, a
# command ended by -executeN, its output ended by "{readyN}" and its error output by the
# -echo4 text, "${status}" replaced by the command's status. "-stay_open" "False" ends it.
# Besides the read it takes only -ver.
use strict;
# The library of the exiftool program on PATH, the one every other request runs: a copy of
# ExifTool unpacked with its own "lib" folder beside it comes before the system's.
BEGIN {
    require Cwd;
    for my $dir (split /:/, $ENV{PATH} // '') {
        my $program = ($dir eq '' ? '.' : $dir) . '/exiftool';
        next unless -f $program and -x _;
        my $real = Cwd::abs_path($program) // last;
        (my $lib = $real) =~ s{/[^/]*$}{/lib};
        unshift @INC, $lib if -f "$lib/Image/ExifTool.pm";
        last;
    }
}
use Image::ExifTool;

binmode STDIN;
binmode STDOUT;
binmode STDERR;

my @readArguments = qw(-php -G1:4 -a -l -struct -api QuickTimeUTC -All -FilePath);

my $et = Image::ExifTool->new;
$et->Options(Duplicates => 1, Struct => 1, List => 1, QuickTimeUTC => 1,
             Charset => 'UTF8', CharsetFileName => 'UTF8');
require 'Image/ExifTool/XMPStruct.pl';
# What most files need, loaded before the first request rather than during it.
for my $module (qw(Exif XMP QuickTime IPTC GPS Photoshop ID3)) {
    eval "require Image::ExifTool::$module";
}

my %escape = ('"' => '"', "\t" => 't', "\n" => 'n', "\r" => 'r', '\\' => '\\');

# A text in PHP form: numbers bare unless `$quote`, strings quoted with PHP's escapes.
sub phpText {
    my ($text, $quote) = @_;
    return $text if not $quote and $text =~ /^-?(\d|[1-9]\d{1,14})(\.\d{1,16})?(e[-+]?\d{1,3})?$/i;
    # Most texts need no escape.
    return '"' . $text . '"' unless $text =~ /[\0-\x1f"\\\$]/;
    $text =~ s/(["\t\n\r\\])/\\$escape{$1}/sg;
    $text =~ s/\0+$//;
    $text =~ s/\$/\\\$/sg;
    $text =~ s/([\0-\x1f])/sprintf("\\x%.2X", ord $1)/sge;
    return '"' . $text . '"';
}

# A value in PHP form: lists and structures as nested arrays, fields in their own order.
sub phpValue {
    my ($value, $indent) = @_;
    my $type = ref $value;
    return phpText($value) unless $type;
    if ($type eq 'ARRAY') {
        return 'Array(' . join(',', map { phpValue($_, $indent) } @$value) . ')';
    }
    if ($type eq 'HASH') {
        my @keys = $$value{_ordered_keys_} ? @{$$value{_ordered_keys_}} : sort keys %$value;
        my $inner = "$indent  ";
        my $text = 'Array(';
        my $first = 1;
        for my $key (@keys) {
            $text .= ',' unless $first;
            $first = 0;
            $text .= "\n$inner" . phpText($key, 1) . ' => ' . phpValue($$value{$key}, $inner);
        }
        return $text . "\n$indent)";
    }
    return '"<err>"';
}

# Binary values become the "(Binary data N bytes, ...)" text; undef when one cannot be shown.
sub binaryAsText {
    my $value = shift;
    my $type = ref $value;
    if ($type eq 'HASH') {
        for my $key (keys %$value) {
            next unless ref $$value{$key};
            $$value{$key} = binaryAsText($$value{$key});
            return undef unless defined $$value{$key};
        }
    } elsif ($type eq 'ARRAY') {
        for my $item (@$value) {
            next unless ref $item;
            $item = binaryAsText($item);
            return undef unless defined $item;
        }
    } elsif ($type eq 'SCALAR') {
        return $$value =~ /^Binary data \d+ bytes$/ ? "($$value, use -b option to extract)"
                                                   : '(Binary data ' . length($$value) . ' bytes, use -b option to extract)';
    }
    return $value;
}

# Whether the numeric value says nothing the printed one does not.
sub sameValue {
    my ($a, $b) = @_;
    return 1 if $a eq $b or ref $a eq 'SCALAR';
    if (ref $a eq 'HASH' and ref $b eq 'HASH') {
        return 0 if scalar(keys %$a) != scalar(keys %$b);
        for my $key (keys %$a) {
            return 0 unless sameValue($$a{$key}, $$b{$key});
        }
        return 1;
    }
    return 0 if ref $a ne 'ARRAY' or ref $b ne 'ARRAY' or @$a != @$b;
    for my $i (0 .. $#$a) {
        return 0 unless sameValue($$a[$i], $$b[$i]);
    }
    return 1;
}

# GetGroup($tag, 1), without the names of the other families that it works out each time.
sub groupOfFamily1 {
    my $tag = shift;
    my $tagInfo = $$et{TAG_INFO}{$tag};
    return $et->GetGroup($tag, 1) unless $tagInfo and $$tagInfo{GotGroups};
    my $group = $$tagInfo{Groups}{1};
    my $extra = $$et{TAG_EXTRA}{$tag};
    if ($extra and $$extra{G1}) {
        $group = $$extra{G1} =~ /^\+(.*)/ ? "$group$1" : $$extra{G1};
    }
    return $group || '';
}

# GetValue($tag, 'ValueConv'), taken from the pair the library kept when it converted the value.
sub numericValue {
    my $tag = shift;
    my $both = $$et{BOTH}{$tag};
    return $et->GetValue($tag, 'ValueConv') unless $both;
    return defined $$both[0] ? $$both[0] : $$both[1];
}

# One file's record, or undef with its error on standard error.
sub fileRecord {
    my ($file, $failed) = @_;
    unless (length $file and $et->Exists($file)) {
        print STDERR "Error: File not found - $file\n";
        $$failed = 1;
        return undef;
    }
    my @found = ('All', 'FilePath');
    # As ImageInfo, with each value converted once for both its forms: the library keeps the
    # pair, and the printed and numeric values asked for below come from it. Warnings that the
    # conversions raise are dropped, as the library drops those raised while it gathers values.
    $$et{FILENAME} = $$et{RAF} = undef;
    $et->ParseArguments($file, \@found);
    $et->ExtractInfo(undef);
    my %extracted = map { $_ => 1 } keys %{$$et{VALUE}};
    $et->GetValue($_, 'Both') for keys %extracted;
    for (keys %{$$et{VALUE}}) {
        delete $$et{VALUE}{$_} unless $extracted{$_};
    }
    my $info = $et->GetInfo(undef);
    unless (%$info) {
        my $error = $et->GetValue('Error');
        print STDERR 'Error: ' . (defined $error ? $error : 'Unknown file type') . " - $file\n";
        $$failed = 1;
        return undef;
    }
    $$failed = 1 if $et->GetValue('Error');
    my $text = "Array(\n  \"SourceFile\" => " . phpText($et->ConvertFileName($file));
    my %seen;
    for my $tag (@found) {
        my $value = $$info{$tag};
        $value = binaryAsText($value) if ref $value;
        next unless defined $value;
        # Groups of families 1 and 4 ("Track1:Copy2"), as GetGroup($tag, '1:4') gives them, for less.
        # The copy number sets apart the tags that share a name and group, so none hides another.
        my $group = groupOfFamily1($tag);
        if ($tag =~ /\((\d+)\)$/ and $group ne "Copy$1") {
            $group = $group eq '' || $group eq 'Main' ? "Copy$1" : "$group:Copy$1";
        }
        $group = 'Unknown' unless $group;
        my ($name) = $tag =~ /^(\S+)/;
        my $key = "$group:$name";
        next if $seen{$key};
        $seen{$key} = 1;
        my $numeric = numericValue($tag);
        # The fields of each tag in their sorted order: desc, num, val.
        $text .= ",\n  \"$key\" => Array(\n    \"desc\" => " . phpText($et->GetDescription($tag));
        $text .= ",\n    \"num\" => " . phpValue($numeric, '    ')
            if defined $numeric and not sameValue($numeric, $value);
        $text .= ",\n    \"val\" => " . phpValue($value, '    ') . "\n  )";
    }
    return $text . "\n)";
}

sub runCommand {
    my @arguments = @_;
    my (@echo, @rest);
    while (@arguments) {
        my $argument = shift @arguments;
        if ($argument eq '-echo4') {
            push @echo, shift(@arguments) if @arguments;
        } else {
            push @rest, $argument;
        }
    }
    my $status = 0;
    if (@rest == 1 and $rest[0] eq '-ver') {
        print "$Image::ExifTool::VERSION\n";
    } elsif (@rest >= @readArguments and join("\n", @rest[0 .. $#readArguments]) eq join("\n", @readArguments)) {
        my @files = @rest[@readArguments .. $#rest];
        my ($read, $bad, $output) = (0, 0, '');
        for my $file (@files) {
            my $failed = 0;
            # A file that trips the library costs only its own record.
            my $record = eval { fileRecord($file, \$failed) };
            if ($@) {
                (my $reason = $@) =~ s/ at \S+ line \d+.*//s;
                $reason =~ s/\s+$//;
                print STDERR "Error: $reason - $file\n";
                $failed = 1;
            }
            $status = 1 if $failed;
            if (defined $record) {
                ++$read;
                print $output eq '' ? 'Array(' : ",\n", $record;
                $output = 1;
            } else {
                ++$bad;
            }
        }
        print ");\n" if $output;
        printf STDERR "%5d image files read\n", $read if $read + $bad > 1;
        printf STDERR "%5d files could not be read\n", $bad if $bad;
    } else {
        print STDERR "Error: The tag reader takes only its read and -ver\n";
        $status = 1;
    }
    for my $text (@echo) {
        $text =~ s/\$\{status\}/$status/g;
        print STDERR "$text\n";
    }
}

# Arguments as ExifTool reads them from an argument file.
sub argumentOfLine {
    my $line = shift;
    if ($line =~ /^#/) {
        return undef unless $line =~ s/^#\[CSTR\]//;
        $line =~ s/[\x0d\x0a]+$//s;
        my %c = (a => "\a", b => "\b", f => "\f", n => "\n", r => "\r", t => "\t", '"' => '"', '\\' => '\\');
        $line =~ s/\\(.)/exists $c{$1} ? $c{$1} : '\\' . $1/egs;
        return $line;
    }
    $line =~ s/^\s+//;
    $line =~ s/[\x0d\x0a]+$//s;
    return $line eq '' ? undef : $line;
}

my @pending;
my $stayOpenValue = 0;
while (defined(my $line = <STDIN>)) {
    my $argument = argumentOfLine($line);
    next unless defined $argument;
    if ($stayOpenValue) {
        $stayOpenValue = 0;
        last if $argument =~ /^(false|0)$/i;
        next;
    }
    if ($argument =~ /^-stay_open$/i) {
        $stayOpenValue = 1;
        next;
    }
    if ($argument =~ /^-execute(\d*)$/i) {
        my $id = $1;
        runCommand(@pending);
        @pending = ();
        print "{ready$id}\n";
        STDOUT->flush;
        STDERR->flush;
        next;
    }
    push @pending, $argument;
}
