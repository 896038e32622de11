# bash completion for quorlane-batch
_quorlane_batch()
{
    local cur prev words cword split
    _init_completion -s || return

    case $prev in
        -o | --output | --watch)
            _filedir -d
            return
            ;;
        --settings)
            _filedir xml
            return
            ;;
        --files-from | --report)
            _filedir
            return
            ;;
        -p | --position)
            COMPREPLY=($(compgen -W 'top-left top top-right left center right bottom-left
                bottom bottom-right auto' -- "$cur"))
            return
            ;;
        -s | --size)
            COMPREPLY=($(compgen -W 'original 640x480 320x240 240x160 thumbnails 2048 1600 1080' -- "$cur"))
            return
            ;;
        -f | --format)
            COMPREPLY=($(compgen -W 'original jpg png tiff bmp ppm xpm webp avif' -- "$cur"))
            return
            ;;
        --metadata)
            COMPREPLY=($(compgen -W 'all all-but-location copyright none' -- "$cur"))
            return
            ;;
        --preset)
            local presets
            presets=$(quorlane-batch --list-presets 2>/dev/null)
            COMPREPLY=($(compgen -W "$presets" -- "$cur"))
            _filedir conf
            return
            ;;
        --colour)
            COMPREPLY=($(compgen -W 'keep srgb' -- "$cur"))
            return
            ;;
        --text-size-by)
            COMPREPLY=($(compgen -W 'width short-side' -- "$cur"))
            return
            ;;
        --if-exists)
            COMPREPLY=($(compgen -W 'replace number skip' -- "$cur"))
            return
            ;;
        --logo)
            _filedir '@(png|svg|jpg|jpeg|webp|tif|tiff|bmp|xpm)'
            return
            ;;
        --logo-position)
            COMPREPLY=($(compgen -W 'top-left top top-right left center right bottom-left
                bottom bottom-right' -- "$cur"))
            return
            ;;
        -t | --text)
            [[ $cur == {* ]] && COMPREPLY=($(compgen -W '{filename} {date} {year} {artist} {camera} {lens} {aperture}
                {shutter} {iso} {focal} {exposure} {title} {caption} {width} {height}' -- "$cur"))
            return
            ;;
        --name)
            [[ $cur == {* ]] && COMPREPLY=($(compgen -W '{name} {counter} {counter:3} {preset}
                {filename} {date} {year} {artist} {camera} {lens} {aperture}
                {shutter} {iso} {focal} {exposure} {title} {caption} {width} {height}' -- "$cur"))
            return
            ;;
        --save-preset | -Q | --quality | -j | --jobs | --margin | --angle | --logo-width | \
            --logo-opacity | --poll)
            return
            ;;
    esac
    $split && return

    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W '--output --text --copyright-sign --no-copyright-sign
            --position --settings --preset --save-preset --list-presets --automatic --size
            --format --quality --fit --stretch
            --metadata --colour --name --keep-jpeg --no-keep-jpeg
            --copyright-notice --no-copyright-notice --if-exists --margin --outline
            --no-outline --shadow --no-shadow --angle --tile --no-tile --text-size-by --logo --logo-width
            --logo-position --logo-opacity --jobs --files-from
            --null --report --watch --poll --recursive --quiet --help --version' -- "$cur"))
        [[ ${COMPREPLY-} == *= ]] && compopt -o nospace
        return
    fi
    _filedir '@(jpg|jpeg|png|tif|tiff|bmp|xpm|webp|ppm|heic|heif|hif|avif|JPG|JPEG|PNG|TIF|TIFF|BMP|HEIC|HEIF|HIF|AVIF)'
} &&
    complete -F _quorlane_batch quorlane-batch
