# bash completion for orvan-sysmaintain
_orvan_sysmaintain()
{
    local cur prev words cword
    _init_completion || return

    local commands="init-demo sql tree detail-sql option profile script close-bill plans history settings find gui"
    case $prev in
        --lang)
            COMPREPLY=($(compgen -W "chs CHT EN" -- "$cur"))
            return ;;
        --class)
            COMPREPLY=($(compgen -W "0 1 2 3 4 5" -- "$cur"))
            return ;;
        --db | --screenshot)
            _filedir
            return ;;
        --press)
            COMPREPLY=($(compgen -W "Close Reopen Reconcile Exit F1" -- "$cur"))
            return ;;
        --scope)
            COMPREPLY=($(compgen -W "all options useroptions calculation numbering printcontrol
                billtypes vouchergroups periods" -- "$cur"))
            return ;;
    esac

    local command="" i
    for ((i = 1; i < cword; i++)); do
        case ${words[i]} in
            init-demo | sql | tree | detail-sql | option | profile | script | close-bill | plans | \
                history | settings | find | gui)
                command=${words[i]}
                break ;;
        esac
    done
    case $command in
        "") COMPREPLY=($(compgen -W "$commands --help --version --db --login --lang --class
                --system --classtype --help-system --print-control --screenshot --click
                --size" -- "$cur")) ;;
        option) COMPREPLY=($(compgen -W "get --help" -- "$cur")) ;;
        profile) COMPREPLY=($(compgen -W "get set --help" -- "$cur")) ;;
        plans) COMPREPLY=($(compgen -W "clean adjust --yes --help" -- "$cur")) ;;
        close-bill) COMPREPLY=($(compgen -W "--press --dump --help" -- "$cur")) ;;
        init-demo) COMPREPLY=($(compgen -W "--if-missing --help" -- "$cur")) ;;
        history) COMPREPLY=($(compgen -W "prune --key --since --user --limit --before --help" \
                -- "$cur")) ;;
        settings) COMPREPLY=($(compgen -W "export import --scope --dry-run --help" -- "$cur")) ;;
        script) _filedir ;;
        *) COMPREPLY=($(compgen -W "--help" -- "$cur")) ;;
    esac
}
complete -F _orvan_sysmaintain orvan-sysmaintain
