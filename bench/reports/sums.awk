# The sums of the yearly totals report, as a manager would write them in awk:
# cash, card, movements, categories and VAT of a period (the VAT that the
# amounts include, from the VAT written in field 8), and the drawer balance
# over the whole journal.
#   awk -F';' -v debut=YYYYMMDD -v fin=YYYYMMDD -f sums.awk tickets.csv
BEGIN { FS = ";" }
{
    split($1, d, ".")
    key = d[3] d[2] d[1]
    if ($6 == "Esp" || $6 == "Sort") solde += $4
    if (key >= debut && key <= fin) {
        if ($5 ~ /^[0-8]$/) categorie[$5] += $4
        if ($6 == "Esp") especes += $4
        else if ($6 == "Cart") cartes += $4
        else if ($6 == "Sort") mouvements += $4
        inside = $4 + $8 != 0 ? $8 * $4 / ($4 + $8) : 0
        if ($7 == 1) tva1 += inside
        else if ($7 == 2) tva2 += inside
    }
}
END {
    printf "Cartes %.2f\nEspeces %.2f\nMouvements %.2f\nSolde %.2f\n", cartes, especes, mouvements, solde
    for (c = 0; c < 8; c++) printf "Categorie %d %.2f\n", c, categorie[c]
    printf "TVA1 %.2f\nTVA2 %.2f\n", tva1, tva2
}
